/* SPDX-FileCopyrightText: 2026 The Menivor developers
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * A wall clock shifted by MENIVOR_CLOCK_SHIFT seconds (a signed decimal; digits past the 18th
 * are ignored),
 * preloaded into 32-bit Wine so that the program under test starts on a faked date while time
 * runs on. Only the wall clock moves: the monotonic clocks that Wine's timers and its start-up
 * measurements use are left alone. 32-bit glibc has two names for each call, the 32-bit time_t
 * one and the 64-bit one (__clock_gettime64 and the like) that 32-bit Wine calls; both are
 * shifted. i386 only; built freestanding (gcc -m32 -shared -nostdlib), so that no 32-bit
 * headers or libraries are needed on this machine: the few declarations are written here, the
 * real calls found at run time with dlsym.
 */

typedef long long i64;
#define RTLD_NEXT ((void *)-1)
void *dlsym(void *handle, const char *name);
char *getenv(const char *name);

/* The clocks that tell the time of day (Linux clock ids). */
enum { RealTime = 0, RealTimeCoarse = 5, RealTimeAlarm = 8, Tai = 11 };
static int is_wall_clock(int id) { return id == RealTime || id == RealTimeCoarse || id == RealTimeAlarm || id == Tai; }

/* The shift in seconds, read at each call: no state to share between threads. */
static i64 shift_seconds(void)
{
    const char *text = getenv("MENIVOR_CLOCK_SHIFT");
    i64 shift = 0;
    int negative = text && *text == '-', digits = 0;
    if (text && (*text == '-' || *text == '+')) ++text;
    for (; text && *text >= '0' && *text <= '9' && digits < 18; ++text, ++digits) shift = shift * 10 + (*text - '0');
    return negative ? -shift : shift;
}

/* The first member of each result is its seconds, as a 32- or a 64-bit count. */
struct seconds32 { long seconds; };
struct seconds64 { i64 seconds; };

int clock_gettime(int id, struct seconds32 *now)
{
    int (*real)(int, struct seconds32 *) = (int (*)(int, struct seconds32 *))dlsym(RTLD_NEXT, "clock_gettime");
    int status = real(id, now);
    if (status == 0 && is_wall_clock(id)) now->seconds += (long)shift_seconds();
    return status;
}

int __clock_gettime64(int id, struct seconds64 *now)
{
    int (*real)(int, struct seconds64 *) = (int (*)(int, struct seconds64 *))dlsym(RTLD_NEXT, "__clock_gettime64");
    int status = real(id, now);
    if (status == 0 && is_wall_clock(id)) now->seconds += shift_seconds();
    return status;
}

int gettimeofday(struct seconds32 *now, void *zone)
{
    int (*real)(struct seconds32 *, void *) = (int (*)(struct seconds32 *, void *))dlsym(RTLD_NEXT, "gettimeofday");
    int status = real(now, zone);
    if (status == 0 && now) now->seconds += (long)shift_seconds();
    return status;
}

int __gettimeofday64(struct seconds64 *now, void *zone)
{
    int (*real)(struct seconds64 *, void *) = (int (*)(struct seconds64 *, void *))dlsym(RTLD_NEXT, "__gettimeofday64");
    int status = real(now, zone);
    if (status == 0 && now) now->seconds += shift_seconds();
    return status;
}

long time(long *result)
{
    long (*real)(long *) = (long (*)(long *))dlsym(RTLD_NEXT, "time");
    long now = real(0) + (long)shift_seconds();
    if (result) *result = now;
    return now;
}

i64 __time64(i64 *result)
{
    i64 (*real)(i64 *) = (i64 (*)(i64 *))dlsym(RTLD_NEXT, "__time64");
    i64 now = real(0) + shift_seconds();
    if (result) *result = now;
    return now;
}
