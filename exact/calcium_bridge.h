/* The exact engine's module: real algebraic numbers behind an opaque handle.
 *
 * The module is loaded on first use and hands out one table of functions
 * (velunda_exact_api). Every handle it returns is owned by the caller and released
 * with release(); every string with release_string(). A function that cannot give
 * a result (a zero divisor, an even root of a negative number, an undefined tangent)
 * returns NULL. Plain C so that both sides of the dlopen boundary agree on it. */
#ifndef VELUNDA_CALCIUM_BRIDGE_H
#define VELUNDA_CALCIUM_BRIDGE_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct vx_num vx_num;

/* One step of a value that is no algebraic number times a power of π, such as sin 1 or
 * 2 − 2cos(π/180000): a leaf (an algebraic number times π^(n/2)) or an operation on
 * the results of earlier steps a and b. */
enum vx_op {
    VX_LEAF,
    VX_ADD,
    VX_SUB,
    VX_MUL,
    VX_DIV,
    VX_POW,  /* a^n */
    VX_ROOT, /* the real n-th root of a, 2 or 3 */
    VX_SIN,
    VX_COS,
    VX_TAN,
    VX_ASIN,
    VX_ACOS,
    VX_ATAN,
};

typedef struct vx_step {
    int op;
    int a, b;
    long n;
    const vx_num* leaf;
} vx_step;

#define VX_API_VERSION 2

struct vx_api {
    int version;

    /* num/den from decimal digit strings with an optional leading '-'; NULL when den is 0. */
    vx_num* (*from_fraction)(const char* num, const char* den);
    vx_num* (*copy)(const vx_num* x);
    void (*release)(vx_num* x);

    vx_num* (*add)(const vx_num* x, const vx_num* y);
    vx_num* (*sub)(const vx_num* x, const vx_num* y);
    vx_num* (*mul)(const vx_num* x, const vx_num* y);
    vx_num* (*div)(const vx_num* x, const vx_num* y);
    vx_num* (*pow_si)(const vx_num* x, long n);
    /* The real n-th root: odd n takes negative numbers, even n does not. */
    vx_num* (*root_ui)(const vx_num* x, unsigned long n);
    vx_num* (*sin_pi)(long p, unsigned long q); /* sin(pπ/q) */
    vx_num* (*cos_pi)(long p, unsigned long q);
    vx_num* (*tan_pi)(long p, unsigned long q);
    /* x = sin(pπ/q), tan(pπ/q), cos(pπ/q) with a rational p/q in the principal range:
     * returns 1 and sets p, q; 0 when the angle is no rational multiple of π. */
    int (*asin_pi)(const vx_num* x, long* p, unsigned long* q);
    int (*atan_pi)(const vx_num* x, long* p, unsigned long* q);
    int (*acos_pi)(const vx_num* x, long* p, unsigned long* q);

    int (*sign)(const vx_num* x);
    int (*compare)(const vx_num* x, const vx_num* y);
    int (*degree)(const vx_num* x);
    long (*height_bits)(const vx_num* x);

    /* The closed form as terms "c/d k m" (c/d × √k × ∛m, k squarefree, m cube-free, both
     * at most radicand_limit) separated by ';'; NULL when no such form is found. */
    char* (*radicals)(const vx_num* x, unsigned long radicand_limit);

    /* |x| rounded half away from zero to sig significant digits: the digit string,
     * with *exp10 the decimal exponent of its first digit. Exact; "0" for 0. */
    char* (*rounded)(const vx_num* x, int sig, long* exp10);
    /* x × π^(pi_num/pi_den), rounded the same way, the sign in *negative; NULL where the
     * value is too close to 0 to decide. */
    char* (*approx)(const vx_num* x, long pi_num, long pi_den, int sig, long* exp10, int* negative);

    void (*release_string)(char* s);

    /* The value of the last of count steps, enclosed in a ball whose precision doubles from
     * 64 bits up to max_prec until its sign is certain and, with sig > 0, until it rounds to
     * one decimal of sig digits. Returns those digits (with sig > 0, "0" for a ball that
     * still holds 0), *exp10 as rounded() and *sign; *certain is 0 where the cap came first
     * (the digits are then those of the ball's midpoint). NULL with sig 0, or where the value
     * is undefined at every precision tried. */
    char* (*evaluate)(const vx_step* steps, int count, int sig, long max_prec, long* exp10, int* sign, int* certain);
};

const struct vx_api* velunda_exact_api(void);

#ifdef __cplusplus
}
#endif

#endif
