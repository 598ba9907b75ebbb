#include "churchyear/easter.h"

namespace orvelle {

void ComputeEaster(uint16_t year, uint16_t method, int32_t& day, int32_t& month)
{
    // The year is taken apart as an unsigned 16-bit value; everything after that is signed,
    // so that (C - 15) / 2 truncates toward zero for the early centuries.
    const int32_t C = year / 100;
    const int32_t G = year % 19;
    const int32_t Y = year % 100;
    const int32_t D = (Y + Y / 4) % 7;
    int32_t d;

    if (method == 1 || method == 2) {
        const int32_t A = ((225 - 11 * G) % 30) + 21; // paschal full moon, as a day of March
        const int32_t B = (A - 19) % 7;
        const int32_t K = (40 - C) % 7;
        const int32_t E = ((20 - B - K - D) % 7) + 1;
        d = A + E;
        if (method == 2)
            d += year <= 1600 ? 10 : 10 + (C - 16) - ((C - 16) / 4);
    } else {
        int32_t T = ((C - 15) / 2) + 202 - 11 * G;
        if (C > 26)
            --T;
        if (C > 38)
            --T;
        if (C == 21 || C == 24 || C == 25 || C == 33 || C == 36 || C == 37)
            --T;
        T %= 30;
        int32_t A = T + 21;
        if (T == 29)
            --A;
        if (T == 28 && G > 10)
            --A;
        const int32_t B = (A - 19) % 7;
        const int32_t Q = (40 - C) % 4;
        int32_t K = Q;
        if (Q > 1)
            ++K;
        if (Q == 3)
            ++K;
        const int32_t E = ((20 - B - K - D) % 7) + 1;
        d = A + E;
    }

    // d counts days from 1 March; the two tests are separate on purpose.
    month = 3;
    if (d > 61) {
        d -= 61;
        month = 5;
    }
    if (d > 31) {
        d -= 31;
        month = 4;
    }
    day = d;
}

TDateTime EasterDate(int32_t year)
{
    int32_t day, month;
    ComputeEaster(static_cast<uint16_t>(year), 3, day, month);
    return IncDay(EncodeDate(year, static_cast<unsigned>(month), 1), day - 1);
}

} // namespace orvelle
