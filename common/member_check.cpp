#include "member_check.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace qm {

// Each step is stored in single precision; the constants are the decimal
// values themselves (pi = 3.14159), so the steps agree with a hand check.
float allowable_compressive_stress(float r, float L, int E, int Fy, float K)
{
    if (!(r > 0.0f) || E <= 0 || Fy <= 0)
        return 0.0f;
    float s = K * L / r;
    float Cc2 = static_cast<float>(2.0 * 9.8695877281 * E) / static_cast<float>(Fy);
    float Cc = std::sqrt(Cc2);
    if (s > Cc) {
        float pi2E12 = static_cast<float>(12.0 * 9.8695877281 * E);
        float s2 = s * s;
        return pi2E12 / static_cast<float>(23.0f * s2);
    }
    float q = s / Cc;
    float FS = static_cast<float>(static_cast<float>(5.0 / 3.0 + static_cast<float>(0.375 * q)) -
                                  static_cast<float>(0.125 * static_cast<float>(q * q * q)));
    float yield = 1.0f - static_cast<float>(s * s) / static_cast<float>(2.0f * Cc2);
    return static_cast<float>(yield * static_cast<float>(Fy)) / FS;
}

int whole_ksi(float value)
{
    if (!(value > -2147483648.0f))
        return value != value ? 0 : INT_MIN;
    if (!(value < 2147483648.0f))
        return INT_MAX;
    return static_cast<int>(value);
}

float column_allowable(float A, float r1, float r2, float L, float E, float Fy, float K)
{
    int e = whole_ksi(E), fy = whole_ksi(Fy);
    float fa1 = allowable_compressive_stress(r1, L, e, fy, K);
    float fa2 = allowable_compressive_stress(r2, L, e, fy, K);
    if (!std::isfinite(fa1) || !std::isfinite(fa2))
        return 0.0f;
    return A * (fa1 < fa2 ? fa1 : fa2);
}

MemberCheck::MemberCheck(const CheckLayout& layout, int member_capacity)
    : layout_(layout), table_(static_cast<size_t>(member_capacity + 1) * (layout.nc + 1), 0.0f),
      unchecked_(table_.size(), 0), failed_(static_cast<size_t>(member_capacity) + 1, 0),
      utilisation_(static_cast<size_t>(member_capacity) + 1, 0.0f)
{
    reset_minima();
}

void MemberCheck::clear_allowables(int m)
{
    for (int i = 1; i <= m; ++i)
        for (int k = 1; k <= layout_.nc; ++k) {
            allowable(i, k) = 0.0f;
            unchecked_[cell(i, k)] = 0;
        }
    bending_unchecked_ = torsion_unchecked_ = false;
}

void MemberCheck::write_mark(HtmlReport& rep, bool pass)
{
    if (pass)
        rep.qprintf("<B><FONT COLOR=%cgreen%c FACE=%cTimes New Roman%c> pass");
    else
        rep.qprintf("<B><FONT COLOR=%cred%c FACE=%cTimes New Roman%c> fail");
}

void MemberCheck::write_check_row(HtmlReport& rep, int i, const float v[], const Allowables& a)
{
    const CheckLayout& L = layout_;
    bool failed = false;
    float worst = 0.0f;
    rep.printf(L.row.open, i);
    for (int k = 1; k <= L.nc; ++k) {
        float x = v[k];
        float mag = std::fabs(x);
        const std::optional<float>* allowed = nullptr;
        const char* label = "";
        bool equal_passes = false;
        rep.printf(L.row.value, x);
        switch (L.action[k]) {
        case Action::axial_start:
        case Action::axial_end: {
            bool start = L.action[k] == Action::axial_start;
            if (start ? x < 0.0f : x > 0.0f) {
                allowed = &a.tension;
                label = start ? L.labels.tension_start : L.labels.tension_end;
            } else {
                allowed = &a.compression;
                label = start ? L.labels.compression_start : L.labels.compression_end;
                equal_passes = L.compression_equal_passes;
            }
            break;
        }
        case Action::shear:
            allowed = &a.shear;
            label = L.labels.shear;
            break;
        case Action::torsion:
            allowed = &a.torsion;
            label = L.labels.torsion;
            torsion_unchecked_ = torsion_unchecked_ || !a.torsion;
            break;
        case Action::moment:
        case Action::moment_y:
            allowed = L.action[k] == Action::moment ? &a.moment : &a.moment_y;
            label = L.labels.moment;
            bending_unchecked_ = bending_unchecked_ || !*allowed;
            break;
        }
        float limit = 0.0f;
        if (*allowed) {
            float value = **allowed;
            bool sound = std::isfinite(value) && value > 0.0f;
            if (sound) {
                limit = value;
                bool pass = equal_passes ? limit >= mag : limit > mag;
                write_mark(rep, pass);
                failed = failed || !pass;
                worst = std::max(worst, mag / limit);
            } else if (mag != 0.0f) {
                write_mark(rep, false);
                failed = true;
            }
        }
        unchecked_[cell(i, k)] = !*allowed;
        rep.printf("%s", label);
        allowable(i, k) = limit;
        rep.printf("</TD>\n");
    }
    failed_[static_cast<size_t>(i)] = failed;
    utilisation_[static_cast<size_t>(i)] = worst;
    rep.printf("%s", L.row.close);
    rep.printf("%s", L.limit_row.open);
    for (int k = 1; k <= L.nc; ++k)
        rep.printf(L.limit_row.cell, allowable(i, k));
    rep.printf("%s", L.limit_row.close);
}

bool MemberCheck::any_failure(int m, int ndummy, const int dummy[]) const
{
    for (int i = 1; i <= m; ++i) {
        bool is_dummy = false;
        for (int l = 1; l <= ndummy; ++l)
            is_dummy = is_dummy || dummy[l] == i;
        if (failed(i) && !is_dummy)
            return true;
    }
    return false;
}

void MemberCheck::write_unchecked_notes(HtmlReport& rep, const char* opening) const
{
    if (!bending_unchecked_ && !torsion_unchecked_)
        return;
    rep.printf("%s", opening);
    if (bending_unchecked_)
        rep.printf("<BR>Bending not checked where the member record gives no section modulus<BR>\n");
    if (torsion_unchecked_)
        rep.printf("<BR>Torsion not checked: no member record gives the section shape an allowable torque "
                   "needs<BR>\n");
}

Category MemberCheck::category(int k, float v) const
{
    switch (layout_.action[k]) {
    case Action::axial_start: return v > 0.0f ? compressive : tensile;
    case Action::axial_end: return v > 0.0f ? tensile : compressive;
    case Action::shear: return shear_ratio;
    case Action::torsion: return layout_.ratios.torsion_category;
    case Action::moment:
    case Action::moment_y: return layout_.ratios.moment_category;
    }
    return no_category;
}

void MemberCheck::reset_minima()
{
    for (int c = 0; c < category_count; ++c) {
        min_[c] = 999999.0f;
        min_member_[c] = 0;
    }
}

void MemberCheck::feed_member(int i, const float v[])
{
    for (int k = 1; k <= layout_.nc; ++k) {
        Category cat = category(k, v[k]);
        if (cat == no_category || unchecked_[cell(i, k)])
            continue;
        Action act = layout_.action[k];
        bool axial = act == Action::axial_start || act == Action::axial_end;
        float ratio = 999999.0f;
        if (v[k] != 0.0f) {
            ratio = allowable(i, k) / std::fabs(v[k]);
            if (axial ? layout_.ratios.absolute_axial : layout_.ratios.absolute_other)
                ratio = std::fabs(ratio);
        }
        bool outright = false;
        if (i == 1)
            for (int s : layout_.ratios.member1_sets)
                outright = outright || s == k;
        if (outright || ratio < min_[cat]) {
            min_[cat] = ratio;
            min_member_[cat] = i;
        }
    }
}

void MemberCheck::write_minima(HtmlReport& rep)
{
    for (Category cat : layout_.ratios.summary_order) {
        if (cat == no_category)
            break;
        if (min_[cat] == 999999.0f)
            continue;
        switch (cat) {
        case compressive:
            rep.printf("min compressive ratio =\t %8.1f\t member = %4i\n", min_[cat], min_member_[cat]);
            break;
        case tensile: rep.printf("min tensile ratio =\t %8.1f\t member = %4i\n", min_[cat], min_member_[cat]); break;
        case shear_ratio: rep.printf("min shear ratio =\t %8.1f\t member = %4i\n", min_[cat], min_member_[cat]); break;
        case moment_ratio:
            rep.printf("min moment ratio =\t %8.1f\t member = %4i\n", min_[cat], min_member_[cat]);
            break;
        case rotation_ratio:
            rep.printf("min rotation ratio =\t %8.1f\t member = %4i\n", min_[cat], min_member_[cat]);
            break;
        default: break;
        }
    }
    rep.printf("\n");
}

} // namespace qm
