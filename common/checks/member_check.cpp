#include "checks/member_check.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "checks/interaction.h"

namespace qm {

float allowable_compressive_stress(float r, float L, int E, int Fy, float K)
{
    if (!(r > 0.0f) || E <= 0 || Fy <= 0)
        return 0.0f;
    float s = K * L / r;
    return column_stress(s, static_cast<float>(E), static_cast<float>(Fy));
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

float euler_force(float A, float r, float L, float E, float K)
{
    if (!(r > 0.0f))
        return 0.0f;
    float s = K * L / r;
    return A * euler_stress(s, static_cast<float>(whole_ksi(E)));
}

// One action over its allowable: 0 for no action, infinite against an
// allowable that degenerate data leave at 0 (or not finite).
static float ratio_to(float action, float allowable)
{
    float mag = std::fabs(action);
    if (mag == 0.0f)
        return 0.0f;
    if (!positive_and_finite(allowable))
        return std::numeric_limits<float>::infinity();
    return mag / allowable;
}

MemberCheck::MemberCheck(const CheckLayout& layout, int member_capacity)
    : layout_(layout), table_(static_cast<size_t>(member_capacity + 1) * (layout.nc + 1), 0.0f),
      unchecked_(table_.size(), 0), checked_with_(static_cast<size_t>(member_capacity) + 1),
      failed_(static_cast<size_t>(member_capacity) + 1, 0), utilisation_(static_cast<size_t>(member_capacity) + 1, 0.0f)
{
    // End actions 1..nc/2 stand at the start joint, the rest at the end.
    for (int k = 1; k <= layout.nc; ++k) {
        EndPositions& e = ends_[k > layout.nc / 2 ? 1 : 0];
        switch (layout.action[k]) {
        case Action::axial_start:
        case Action::axial_end: e.axial = k; break;
        case Action::moment: e.moment = k; break;
        case Action::moment_y: e.moment_y = k; break;
        default: break;
        }
    }
    reset_minima();
}

void MemberCheck::clear_allowables(int m)
{
    for (int i = 1; i <= m; ++i) {
        for (int k = 1; k <= layout_.nc; ++k) {
            allowable(i, k) = 0.0f;
            unchecked_[cell(i, k)] = 0;
        }
        checked_with_[static_cast<size_t>(i)] = Allowables{};
    }
    bending_unchecked_ = shear_unchecked_ = torsion_unchecked_ = combined_unchecked_ = false;
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
    const CheckLayout& layout = layout_;
    bool failed = false;
    float worst = 0.0f;
    rep.printf(layout.row.open, i);
    for (int k = 1; k <= layout.nc; ++k) {
        float x = v[k];
        float mag = std::fabs(x);
        const std::optional<float>* allowed = nullptr;
        const char* label = "";
        bool equal_passes = false;
        rep.printf(layout.row.value, x);
        switch (layout.action[k]) {
        case Action::axial_start:
        case Action::axial_end: {
            bool start = layout.action[k] == Action::axial_start;
            if (start ? x < 0.0f : x > 0.0f) {
                allowed = &a.tension;
                label = start ? layout.labels.tension_start : layout.labels.tension_end;
            } else {
                allowed = &a.compression;
                label = start ? layout.labels.compression_start : layout.labels.compression_end;
                equal_passes = layout.compression_equal_passes;
            }
            break;
        }
        case Action::shear:
        case Action::shear_z:
            allowed = layout.action[k] == Action::shear ? &a.shear : &a.shear_z;
            label = layout.labels.shear;
            shear_unchecked_ = shear_unchecked_ || !*allowed;
            break;
        case Action::torsion:
            allowed = &a.torsion;
            label = layout.labels.torsion;
            torsion_unchecked_ = torsion_unchecked_ || !a.torsion;
            break;
        case Action::moment:
        case Action::moment_y:
            allowed = layout.action[k] == Action::moment ? &a.moment : &a.moment_y;
            label = layout.labels.moment;
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
    checked_with_[static_cast<size_t>(i)] = a;
    for (int e = 0; e < 2; ++e)
        if (std::optional<float> value = combined_value(v, e, a)) {
            failed = failed || !(*value < 1.0f);
            worst = std::max(worst, *value);
        }
    failed_[static_cast<size_t>(i)] = failed;
    utilisation_[static_cast<size_t>(i)] = worst;
    rep.printf("%s", layout.row.close);
    rep.printf("%s", layout.limit_row.open);
    for (int k = 1; k <= layout.nc; ++k)
        rep.printf(layout.limit_row.cell, allowable(i, k));
    rep.printf("%s", layout.limit_row.close);
    write_combined_row(rep, v, a);
}

std::optional<float> MemberCheck::combined_value(const float v[], int e, const Allowables& a) const
{
    const EndPositions& p = ends_[e];
    if (p.axial == 0 || (!a.moment && !a.moment_y))
        return std::nullopt;
    float P = v[p.axial];
    // As the axial check reads the sign: compression at the start when not
    // negative, at the end when not positive.
    bool compression = e == 0 ? !(P < 0.0f) : !(P > 0.0f);
    const std::optional<float>& axial = compression ? a.compression : a.tension;
    float fa_over_Fa = ratio_to(P, axial.value_or(0.0f));
    float fa_over_yield = ratio_to(P, a.tension.value_or(0.0f));
    BendingTerm<float> terms[2];
    int n = 0;
    if (p.moment != 0 && a.moment)
        terms[n++] = {ratio_to(v[p.moment], *a.moment), ratio_to(P, a.euler_force.value_or(0.0f))};
    if (p.moment_y != 0 && a.moment_y)
        terms[n++] = {ratio_to(v[p.moment_y], *a.moment_y), ratio_to(P, a.euler_force_y.value_or(0.0f))};
    return interaction_value(fa_over_Fa, compression, fa_over_yield, terms, n);
}

// A row "combined" under the limit row, the interaction value of each end
// in that end's axial column; none for a member without a combined check.
void MemberCheck::write_combined_row(HtmlReport& rep, const float v[], const Allowables& a)
{
    if (ends_[0].axial == 0 || ends_[1].axial == 0 || (ends_[0].moment == 0 && ends_[0].moment_y == 0))
        return;
    std::optional<float> value[2] = {combined_value(v, 0, a), combined_value(v, 1, a)};
    if (!value[0] || !value[1]) {
        combined_unchecked_ = true;
        return;
    }
    rep.printf("<TR>\n\n<TD>\ncombined</TD>\n");
    for (int k = 1; k <= layout_.nc; ++k) {
        rep.printf("<TD>\n");
        for (int e = 0; e < 2; ++e)
            if (k == ends_[e].axial) {
                rep.printf("    %8.3f", static_cast<double>(*value[e]));
                write_mark(rep, *value[e] < 1.0f);
            }
        rep.printf("</TD>\n");
    }
    rep.printf("</TR>\n\n");
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

std::string MemberCheck::unchecked_notes() const
{
    std::string notes;
    if (bending_unchecked_)
        notes += "<BR>Bending not checked where the member record gives no section modulus<BR>\n";
    if (combined_unchecked_)
        notes += "<BR>Axial force and bending not checked together where the member record gives no section "
                 "modulus<BR>\n";
    if (shear_unchecked_)
        notes += "<BR>Shear not checked where the member record gives no shear area<BR>\n";
    if (torsion_unchecked_)
        notes += "<BR>Torsion not checked: no member record gives the section shape an allowable torque "
                 "needs<BR>\n";
    return notes;
}

Category MemberCheck::category(int k, float v) const
{
    switch (layout_.action[k]) {
    case Action::axial_start: return v > 0.0f ? compressive : tensile;
    case Action::axial_end: return v > 0.0f ? tensile : compressive;
    case Action::shear:
    case Action::shear_z: return shear_ratio;
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
    min_combined_ = 999999.0f;
    min_combined_member_ = 0;
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
    for (int e = 0; e < 2; ++e)
        if (std::optional<float> value = combined_value(v, e, checked_with_[static_cast<size_t>(i)])) {
            float ratio = *value != 0.0f ? 1.0f / *value : 999999.0f;
            if (ratio < min_combined_) {
                min_combined_ = ratio;
                min_combined_member_ = i;
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
    if (min_combined_ != 999999.0f)
        rep.printf("min combined ratio =\t %8.1f\t member = %4i\n", min_combined_, min_combined_member_);
    rep.printf("\n");
}

} // namespace qm
