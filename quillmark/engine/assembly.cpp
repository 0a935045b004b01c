#include "engine/assembly.h"

#include <algorithm>

#include "engine/releases.h"

namespace quill {

namespace {

// Where the rows of each joint stand in the columns of the joints it
// couples with: below[j] lists the joints k <= j that joint j couples with,
// ascending (j itself last); offset[j][p] counts the free directions of the
// joints before below[j][p]; rank[(j - 1) d + k] is the place of direction
// k among the free directions of joint j.
struct Pattern {
    std::vector<std::vector<int>> below, offset;
    std::vector<int> rank, free;
};

Pattern pattern_of(const Model& s, const Numbering& q)
{
    int nj = static_cast<int>(s.joints.size()), d = q.d;
    Pattern p;
    p.below.resize(static_cast<size_t>(nj) + 1);
    p.offset.resize(static_cast<size_t>(nj) + 1);
    p.rank.assign(static_cast<size_t>(nj * d), 0);
    p.free.assign(static_cast<size_t>(nj) + 1, 0);
    for (const Member& m : s.members)
        p.below[static_cast<size_t>(std::max(m.jj, m.jk))].push_back(std::min(m.jj, m.jk));
    for (int j = 1; j <= nj; ++j) {
        for (int k = 0; k < d; ++k)
            if (q.at(j, k) >= 0)
                p.rank[static_cast<size_t>((j - 1) * d + k)] = p.free[static_cast<size_t>(j)]++;
        std::vector<int>& b = p.below[static_cast<size_t>(j)];
        b.push_back(j);
        std::sort(b.begin(), b.end());
        b.erase(std::unique(b.begin(), b.end()), b.end());
    }
    for (int j = 1; j <= nj; ++j) {
        int sum = 0;
        for (int k : p.below[static_cast<size_t>(j)]) {
            p.offset[static_cast<size_t>(j)].push_back(sum);
            sum += p.free[static_cast<size_t>(k)];
        }
    }
    return p;
}

} // namespace

UpperMatrix assemble(const Model& s, const Numbering& q)
{
    const TypeTable& t = s.t();
    int d = q.d, n = q.n();
    Pattern p = pattern_of(s, q);
    UpperMatrix K;
    K.n = n;
    K.col.assign(static_cast<size_t>(n) + 1, 0);
    for (int e = 0; e < n; ++e) {
        int j = q.joint[static_cast<size_t>(e)];
        int r = p.rank[static_cast<size_t>((j - 1) * d + q.direction[static_cast<size_t>(e)])];
        K.col[static_cast<size_t>(e) + 1] =
            K.col[static_cast<size_t>(e)] + p.offset[static_cast<size_t>(j)].back() + r + 1;
    }
    K.row.resize(static_cast<size_t>(K.col.back()));
    K.value.assign(static_cast<size_t>(K.col.back()), 0.0);
    for (int e = 0; e < n; ++e) {
        int j = q.joint[static_cast<size_t>(e)];
        UpperMatrix::Index at = K.col[static_cast<size_t>(e)];
        for (int k : p.below[static_cast<size_t>(j)])
            for (int a = 0; a < d && (k < j || a <= q.direction[static_cast<size_t>(e)]); ++a)
                if (q.at(k, a) >= 0)
                    K.row[static_cast<size_t>(at++)] = q.at(k, a);
    }

    int sd[6];
    for (int k = 0; k < d; ++k)
        sd[k] = space_direction(t, k);
    for (int i = 1; i <= static_cast<int>(s.members.size()); ++i) {
        const Member& m = s.members[static_cast<size_t>(i) - 1];
        Matrix12 g = global_stiffness(Condensed(s, i).stiffness(), exact_member_axes(s, i));
        const int ends[2] = {m.jj, m.jk};
        for (int pe = 0; pe < 2; ++pe)
            for (int qe = 0; qe < 2; ++qe) {
                int jr = ends[pe], jc = ends[qe];
                if (jr > jc || (jr == jc && pe != qe))
                    continue;
                const std::vector<int>& b = p.below[static_cast<size_t>(jc)];
                size_t block = static_cast<size_t>(std::lower_bound(b.begin(), b.end(), jr) - b.begin());
                int offset = p.offset[static_cast<size_t>(jc)][block];
                for (int kc = 0; kc < d; ++kc) {
                    int ec = q.at(jc, kc);
                    if (ec < 0)
                        continue;
                    for (int kr = 0; kr < d && (jr < jc || kr <= kc); ++kr) {
                        if (q.at(jr, kr) < 0)
                            continue;
                        size_t at = static_cast<size_t>(K.col[static_cast<size_t>(ec)] + offset +
                                                        p.rank[static_cast<size_t>((jr - 1) * d + kr)]);
                        K.value[at] += g[static_cast<size_t>(6 * pe + sd[kr])][static_cast<size_t>(6 * qe + sd[kc])];
                    }
                }
            }
    }
    // A spring adds its stiffness to its direction alone.
    for (const Spring& sp : s.springs)
        for (int k = 0; k < d; ++k)
            if (int e = q.at(sp.joint, k); e >= 0 && sp.k[k] > 0)
                K.value[static_cast<size_t>(K.col[static_cast<size_t>(e) + 1] - 1)] += sp.k[k];
    return K;
}

} // namespace quill
