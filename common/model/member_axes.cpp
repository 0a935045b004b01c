#include "model/member_axes.h"

#include <cmath>

namespace qm {

float horizontal_projection(float xcl, float zcl)
{
    return std::sqrt(xcl * xcl + zcl * zcl);
}

void space_member_axes(float xcl, float ycl, float zcl, float R[4][4])
{
    float q = horizontal_projection(xcl, zcl);
    if (!counts_as_vertical(q)) {
        R[1][1] = xcl;
        R[1][2] = ycl;
        R[1][3] = zcl;
        R[2][1] = -xcl * ycl / q;
        R[2][2] = q;
        R[2][3] = -ycl * zcl / q;
        R[3][1] = -zcl / q;
        R[3][2] = 0.0f;
        R[3][3] = xcl / q;
    } else {
        R[1][1] = 0.0f;
        R[1][2] = ycl;
        R[1][3] = 0.0f;
        R[2][1] = -ycl;
        R[2][2] = 0.0f;
        R[2][3] = 0.0f;
        R[3][1] = 0.0f;
        R[3][2] = 0.0f;
        R[3][3] = 1.0f;
    }
}

} // namespace qm
