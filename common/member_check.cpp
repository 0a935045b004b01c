#include "member_check.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace qm {

// Each step is stored in single precision; the constants are the decimal
// values themselves, so the steps agree with a hand check.
float allowable_compressive_stress(float r, float L, int E, int Fy, float K)
{
    float s = L / r;
    float ks = K * s;
    float c = static_cast<float>(E * 39.4783509124);
    float t = 1.0f - static_cast<float>(Fy) * ks / c;
    float Fa = static_cast<float>(static_cast<float>(t * 12.0f * static_cast<float>(Fy)) * (1.0 / 23.0));
    if (ks > 120.0f)
        Fa = Fa / static_cast<float>(1.6 - static_cast<float>(0.005 * s));
    return Fa;
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
    return A * (fa1 < fa2 ? fa1 : fa2);
}

MemberCheck::MemberCheck(const CheckLayout& layout, int member_capacity)
    : layout_(layout), table_(static_cast<size_t>(member_capacity + 1) * (layout.nc + 1), 0.0f),
      failed_(static_cast<size_t>(member_capacity) + 1, 0), utilisation_(static_cast<size_t>(member_capacity) + 1, 0.0f)
{
    reset_minima();
}

void MemberCheck::clear_allowables(int m)
{
    for (int i = 1; i <= m; ++i)
        for (int k = 1; k <= layout_.nc; ++k)
            allowable(i, k) = 0.0f;
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
    auto write_mark = [&](HtmlReport& r, bool pass) {
        failed = failed || !pass;
        this->write_mark(r, pass);
    };
    rep.printf(L.row.open, i);
    for (int k = 1; k <= L.nc; ++k) {
        float x = v[k];
        float mag = std::fabs(x);
        float limit = 0.0f;
        const char* label = "";
        rep.printf(L.row.value, x);
        switch (L.action[k]) {
        case Action::axial_start:
        case Action::axial_end: {
            bool start = L.action[k] == Action::axial_start;
            bool tension = start ? x < 0.0f : x > 0.0f;
            if (a.tension != 0.0f && tension) {
                write_mark(rep, a.tension > mag);
                label = start ? L.labels.tension_start : L.labels.tension_end;
                limit = L.absolute_axial_limits ? std::fabs(a.tension) : a.tension;
            } else {
                bool compression = start ? x >= 0.0f : x <= 0.0f;
                if (a.compression != 0.0f && compression)
                    write_mark(rep, L.compression_equal_passes ? a.compression >= mag : a.compression > mag);
                label = start ? L.labels.compression_start : L.labels.compression_end;
                limit = L.absolute_axial_limits ? std::fabs(a.compression) : a.compression;
            }
            break;
        }
        case Action::shear:
            if (a.shear != 0.0f)
                write_mark(rep, a.shear > mag);
            label = L.labels.shear;
            limit = a.shear;
            break;
        case Action::torsion:
            if (a.torsion != 0.0f)
                write_mark(rep, a.torsion > mag);
            label = L.labels.torsion;
            limit = a.torsion;
            break;
        case Action::moment:
            if (a.moment != 0.0f)
                write_mark(rep, a.moment > mag);
            label = L.labels.moment;
            limit = a.moment;
            break;
        }
        rep.printf("%s", label);
        allowable(i, k) = limit;
        if (limit != 0.0f)
            worst = std::max(worst, mag / std::fabs(limit));
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

Category MemberCheck::category(int k, float v) const
{
    switch (layout_.action[k]) {
    case Action::axial_start: return v > 0.0f ? compressive : tensile;
    case Action::axial_end: return v > 0.0f ? tensile : compressive;
    case Action::shear: return shear_ratio;
    case Action::torsion: return layout_.ratios.torsion_category;
    case Action::moment: return layout_.ratios.moment_category;
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
        if (cat == no_category)
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
