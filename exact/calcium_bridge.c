/* The exact engine's module: Calcium's algebraic numbers behind calcium_bridge.h. */
#include "calcium_bridge.h"

#include <calcium/fexpr.h>
#include <calcium/fexpr_builtin.h>
#include <calcium/qqbar.h>
#include <flint/ulong_extras.h>
#include <stdlib.h>
#include <string.h>

struct vx_num {
    qqbar_t value;
};

static vx_num* make(void) {
    vx_num* x = malloc(sizeof *x);
    qqbar_init(x->value);
    return x;
}

static void release(vx_num* x) {
    if (x == NULL) return;
    qqbar_clear(x->value);
    free(x);
}

static void release_string(char* s) { flint_free(s); }

static vx_num* from_fraction(const char* num, const char* den) {
    fmpq_t q;
    vx_num* x = NULL;
    fmpq_init(q);
    if (fmpz_set_str(fmpq_numref(q), num, 10) == 0 && fmpz_set_str(fmpq_denref(q), den, 10) == 0 &&
        !fmpz_is_zero(fmpq_denref(q))) {
        fmpq_canonicalise(q);
        x = make();
        qqbar_set_fmpq(x->value, q);
    }
    fmpq_clear(q);
    return x;
}

static vx_num* copy(const vx_num* x) {
    vx_num* r = make();
    qqbar_set(r->value, x->value);
    return r;
}

static vx_num* add(const vx_num* x, const vx_num* y) {
    vx_num* r = make();
    qqbar_add(r->value, x->value, y->value);
    return r;
}

static vx_num* sub(const vx_num* x, const vx_num* y) {
    vx_num* r = make();
    qqbar_sub(r->value, x->value, y->value);
    return r;
}

static vx_num* mul(const vx_num* x, const vx_num* y) {
    vx_num* r = make();
    qqbar_mul(r->value, x->value, y->value);
    return r;
}

static vx_num* divide(const vx_num* x, const vx_num* y) {
    if (qqbar_is_zero(y->value)) return NULL;
    vx_num* r = make();
    qqbar_div(r->value, x->value, y->value);
    return r;
}

static vx_num* pow_si(const vx_num* x, long n) {
    if (n < 0 && qqbar_is_zero(x->value)) return NULL;
    vx_num* r = make();
    qqbar_pow_si(r->value, x->value, n);
    return r;
}

static vx_num* root_ui(const vx_num* x, unsigned long n) {
    const int s = qqbar_sgn_re(x->value);
    if (n == 0 || (s < 0 && n % 2 == 0)) return NULL;
    vx_num* r = make();
    if (s < 0) {
        qqbar_neg(r->value, x->value);
        qqbar_root_ui(r->value, r->value, n);
        qqbar_neg(r->value, r->value);
    } else {
        qqbar_root_ui(r->value, x->value, n);
    }
    return r;
}

static vx_num* sin_pi(long p, unsigned long q) {
    vx_num* r = make();
    qqbar_sin_pi(r->value, p, q);
    return r;
}

static vx_num* cos_pi(long p, unsigned long q) {
    vx_num* r = make();
    qqbar_cos_pi(r->value, p, q);
    return r;
}

static vx_num* tan_pi(long p, unsigned long q) {
    vx_num* r = make();
    if (!qqbar_tan_pi(r->value, p, q)) {
        release(r);
        return NULL;
    }
    return r;
}

/* p/q where the angle f(x) is pπ/q; 0 where it is no rational multiple of π. */
static int pi_multiple(int (*f)(slong*, ulong*, const qqbar_t), const vx_num* x, long* p, unsigned long* q) {
    slong sp;
    ulong sq;
    if (!f(&sp, &sq, x->value)) return 0;
    *p = sp;
    *q = sq;
    return 1;
}

static int asin_pi(const vx_num* x, long* p, unsigned long* q) { return pi_multiple(qqbar_asin_pi, x, p, q); }
static int atan_pi(const vx_num* x, long* p, unsigned long* q) { return pi_multiple(qqbar_atan_pi, x, p, q); }
static int acos_pi(const vx_num* x, long* p, unsigned long* q) { return pi_multiple(qqbar_acos_pi, x, p, q); }

static int sign(const vx_num* x) { return qqbar_sgn_re(x->value); }
static int compare(const vx_num* x, const vx_num* y) { return qqbar_cmp_re(x->value, y->value); }
static int degree(const vx_num* x) { return (int)qqbar_degree(x->value); }
static long height_bits(const vx_num* x) { return (long)qqbar_height_bits(x->value); }

/* ---- Closed forms as sums of terms c × √k × ∛m ---- */

#define MAX_TERMS 8

typedef struct {
    fmpq_t c;
    ulong k; /* squarefree */
    ulong m; /* cube-free */
} term;

typedef struct {
    int n;
    term t[MAX_TERMS];
} terms;

static void terms_init(terms* s) { s->n = 0; }

static void terms_clear(terms* s) {
    for (int i = 0; i < s->n; i++) fmpq_clear(s->t[i].c);
    s->n = 0;
}

/* Adds c × √k × ∛m, merging like terms; returns 0 when there is no room. */
static int terms_add(terms* s, const fmpq_t c, ulong k, ulong m) {
    if (fmpq_is_zero(c)) return 1;
    for (int i = 0; i < s->n; i++) {
        if (s->t[i].k == k && s->t[i].m == m) {
            fmpq_add(s->t[i].c, s->t[i].c, c);
            if (fmpq_is_zero(s->t[i].c)) {
                fmpq_clear(s->t[i].c);
                s->t[i] = s->t[--s->n];
            }
            return 1;
        }
    }
    if (s->n == MAX_TERMS) return 0;
    fmpq_init(s->t[s->n].c);
    fmpq_set(s->t[s->n].c, c);
    s->t[s->n].k = k;
    s->t[s->n].m = m;
    s->n++;
    return 1;
}

/* n = outside^power × inside with inside free of power-th powers. */
static void extract_power(ulong n, int power, ulong* outside, ulong* inside) {
    n_factor_t f;
    *outside = 1;
    *inside = 1;
    if (n <= 1) {
        *inside = n;
        return;
    }
    n_factor_init(&f);
    n_factor(&f, n, 1);
    for (int i = 0; i < f.num; i++) {
        for (int e = 0; e < f.exp[i] / power; e++) *outside *= f.p[i];
        for (int e = 0; e < f.exp[i] % power; e++) *inside *= f.p[i];
    }
}

/* r = c × √k × ∛m put in normal form: radicands reduced, rational parts into c. */
static int term_normal(terms* out, const fmpq_t c, ulong k, ulong m, ulong limit) {
    ulong o2, i2, o3, i3;
    if (k > limit || m > limit) return 0;
    extract_power(k, 2, &o2, &i2);
    extract_power(m, 3, &o3, &i3);
    fmpq_t cc;
    fmpq_init(cc);
    fmpq_mul_ui(cc, c, o2 * o3);
    const int ok = terms_add(out, cc, i2, i3);
    fmpq_clear(cc);
    return ok;
}

static int terms_mul(terms* r, const terms* x, const terms* y, ulong limit) {
    fmpq_t c;
    fmpq_init(c);
    int ok = 1;
    for (int i = 0; ok && i < x->n; i++)
        for (int j = 0; ok && j < y->n; j++) {
            if (x->t[i].k > limit || y->t[j].k > limit || x->t[i].m > limit || y->t[j].m > limit) {
                ok = 0;
                break;
            }
            fmpq_mul(c, x->t[i].c, y->t[j].c);
            ok = term_normal(r, c, x->t[i].k * y->t[j].k, x->t[i].m * y->t[j].m, limit * limit);
        }
    fmpq_clear(c);
    return ok;
}

static int walk(terms* r, const fexpr_t e, ulong limit);

/* r += sign·(p/q)^(1/n) for a rational p/q ≥ 0 and n = 2 or 3, as (p q^(n-1))^(1/n)/q. */
static int add_root(terms* r, int sign, const fmpq_t x, int n, ulong limit) {
    if (fmpq_is_zero(x)) return 1;
    fmpz_t rad;
    fmpz_init(rad);
    fmpz_pow_ui(rad, fmpq_denref(x), n - 1);
    fmpz_mul(rad, rad, fmpq_numref(x));
    int ok = fmpz_abs_fits_ui(rad) && fmpz_get_ui(rad) <= limit;
    if (ok) {
        fmpq_t c;
        fmpq_init(c);
        fmpq_set_si(c, sign, 1);
        fmpq_div_fmpz(c, c, fmpq_denref(x));
        ok = term_normal(r, c, n == 2 ? fmpz_get_ui(rad) : 1, n == 3 ? fmpz_get_ui(rad) : 1, limit);
        fmpq_clear(c);
    }
    fmpz_clear(rad);
    return ok;
}

/* A rational argument of Sqrt or a power with exponent 1/2 or 1/3. */
static int walk_root(terms* r, const fexpr_t arg, int n, ulong limit) {
    terms a;
    terms_init(&a);
    int ok = walk(&a, arg, limit) && a.n == 1 && a.t[0].k == 1 && a.t[0].m == 1 && fmpq_sgn(a.t[0].c) > 0;
    ok = ok && add_root(r, 1, a.t[0].c, n, limit);
    terms_clear(&a);
    return ok;
}

/* Whether e is the rational 1/n. */
static int is_unit_fraction(const fexpr_t e, int* n) {
    fmpz_t a;
    fexpr_t x;
    int ok = 0;
    fmpz_init(a);
    if (fexpr_is_builtin_call(e, FEXPR_Div) && fexpr_nargs(e) == 2) {
        fexpr_view_arg(x, e, 0);
        if (fexpr_is_integer(x) && fexpr_get_fmpz(a, x) && fmpz_is_one(a)) {
            fexpr_view_arg(x, e, 1);
            if (fexpr_is_integer(x) && fexpr_get_fmpz(a, x) && (fmpz_equal_ui(a, 2) || fmpz_equal_ui(a, 3))) {
                *n = (int)fmpz_get_ui(a);
                ok = 1;
            }
        }
    }
    fmpz_clear(a);
    return ok;
}

static int walk(terms* r, const fexpr_t e, ulong limit) {
    fexpr_t a;
    if (fexpr_is_integer(e)) {
        fmpq_t c;
        fmpq_init(c);
        fexpr_get_fmpz(fmpq_numref(c), e);
        const int ok = terms_add(r, c, 1, 1);
        fmpq_clear(c);
        return ok;
    }
    const slong n = fexpr_nargs(e);
    if (n < 1) return 0;
    if (fexpr_is_builtin_call(e, FEXPR_Add) || fexpr_is_builtin_call(e, FEXPR_Sub) ||
        fexpr_is_builtin_call(e, FEXPR_Neg)) {
        const int neg = fexpr_is_builtin_call(e, FEXPR_Neg);
        const int subtract = fexpr_is_builtin_call(e, FEXPR_Sub);
        for (slong i = 0; i < n; i++) {
            terms s;
            terms_init(&s);
            fexpr_view_arg(a, e, i);
            int ok = walk(&s, a, limit);
            for (int j = 0; ok && j < s.n; j++) {
                if (neg || (subtract && i > 0)) fmpq_neg(s.t[j].c, s.t[j].c);
                ok = terms_add(r, s.t[j].c, s.t[j].k, s.t[j].m);
            }
            terms_clear(&s);
            if (!ok) return 0;
        }
        return 1;
    }
    if (fexpr_is_builtin_call(e, FEXPR_Mul)) {
        terms acc, next, f;
        terms_init(&acc);
        fmpq_t one;
        fmpq_init(one);
        fmpq_one(one);
        terms_add(&acc, one, 1, 1);
        fmpq_clear(one);
        int ok = 1;
        for (slong i = 0; ok && i < n; i++) {
            terms_init(&f);
            terms_init(&next);
            fexpr_view_arg(a, e, i);
            ok = walk(&f, a, limit) && terms_mul(&next, &acc, &f, limit);
            terms_clear(&f);
            terms_clear(&acc);
            acc = next;
        }
        for (int j = 0; ok && j < acc.n; j++) ok = terms_add(r, acc.t[j].c, acc.t[j].k, acc.t[j].m);
        terms_clear(&acc);
        return ok;
    }
    if (fexpr_is_builtin_call(e, FEXPR_Div) && n == 2) {
        /* Only a rational divisor: the formulas divide by integers. */
        terms num, den;
        terms_init(&num);
        terms_init(&den);
        fexpr_view_arg(a, e, 0);
        int ok = walk(&num, a, limit);
        fexpr_view_arg(a, e, 1);
        ok = ok && walk(&den, a, limit) && den.n == 1 && den.t[0].k == 1 && den.t[0].m == 1;
        for (int j = 0; ok && j < num.n; j++) {
            fmpq_div(num.t[j].c, num.t[j].c, den.t[0].c);
            ok = terms_add(r, num.t[j].c, num.t[j].k, num.t[j].m);
        }
        terms_clear(&num);
        terms_clear(&den);
        return ok;
    }
    if (fexpr_is_builtin_call(e, FEXPR_Sqrt) && n == 1) {
        fexpr_view_arg(a, e, 0);
        return walk_root(r, a, 2, limit);
    }
    if (fexpr_is_builtin_call(e, FEXPR_Pow) && n == 2) {
        fexpr_t ex;
        int root;
        fexpr_view_arg(ex, e, 1);
        if (!is_unit_fraction(ex, &root)) return 0;
        fexpr_view_arg(a, e, 0);
        return walk_root(r, a, root, limit);
    }
    return 0;
}

/* Whether the terms add up to x: the form is checked against the number itself. */
static int terms_equal(const terms* s, const qqbar_t x) {
    qqbar_t sum, t, u;
    qqbar_init(sum);
    qqbar_init(t);
    qqbar_init(u);
    for (int i = 0; i < s->n; i++) {
        qqbar_set_fmpq(t, s->t[i].c);
        if (s->t[i].k != 1) {
            qqbar_set_ui(u, s->t[i].k);
            qqbar_root_ui(u, u, 2);
            qqbar_mul(t, t, u);
        }
        if (s->t[i].m != 1) {
            qqbar_set_ui(u, s->t[i].m);
            qqbar_root_ui(u, u, 3);
            qqbar_mul(t, t, u);
        }
        qqbar_add(sum, sum, t);
    }
    const int equal = qqbar_equal(sum, x);
    qqbar_clear(sum);
    qqbar_clear(t);
    qqbar_clear(u);
    return equal;
}

static char* terms_string(const terms* s) {
    size_t size = 1;
    char** parts = malloc(sizeof(char*) * (size_t)(s->n > 0 ? s->n : 1));
    for (int i = 0; i < s->n; i++) {
        char* c = fmpq_get_str(NULL, 10, s->t[i].c);
        parts[i] = flint_malloc(strlen(c) + 64);
        flint_sprintf(parts[i], "%s %wu %wu", c, s->t[i].k, s->t[i].m);
        flint_free(c);
        size += strlen(parts[i]) + 1;
    }
    char* out = flint_malloc(size);
    out[0] = '\0';
    for (int i = 0; i < s->n; i++) {
        if (i > 0) strcat(out, ";");
        strcat(out, parts[i]);
        flint_free(parts[i]);
    }
    free(parts);
    return out;
}

/* x = ∛r for a rational r: the quick way, without a search for a formula. *pure says
   whether x is such a root at all (then no other form is shorter). */
static int pure_cube_root(terms* s, const qqbar_t x, ulong limit, int* pure) {
    qqbar_t cube;
    qqbar_init(cube);
    qqbar_pow_ui(cube, x, 3);
    int ok = 0;
    *pure = qqbar_is_rational(cube);
    if (*pure) {
        fmpq_t r, c;
        fmpz_t rad;
        fmpq_init(r);
        fmpq_init(c);
        fmpz_init(rad);
        qqbar_get_fmpq(r, cube);
        /* ∛(p/q) = ∛(p q²)/q, the sign in front */
        fmpz_mul(rad, fmpq_denref(r), fmpq_denref(r));
        fmpz_mul(rad, rad, fmpq_numref(r));
        fmpz_abs(rad, rad);
        if (fmpz_abs_fits_ui(rad) && fmpz_get_ui(rad) <= limit * limit) {
            fmpq_set_si(c, fmpq_sgn(r), 1);
            fmpq_div_fmpz(c, c, fmpq_denref(r));
            ok = term_normal(s, c, 1, fmpz_get_ui(rad), limit * limit);
        }
        fmpq_clear(r);
        fmpq_clear(c);
        fmpz_clear(rad);
    }
    qqbar_clear(cube);
    return ok;
}

/* x = ±√(p + q√c) with p² − q²c the square of a rational e, the way a textbook takes a
   root out of a root: √(p + q√c) = √((p + e)/2) + sgn(q)·√((p − e)/2). This gives sin 15°
   as (√6-√2)/4 some thirty times faster than the search for a formula. The caller checks
   the terms against x. *nested says whether x is such a root at all: one that does not
   come apart has no form of terms. */
static int denested_square_root(terms* s, const qqbar_t x, ulong limit, int* nested) {
    qqbar_t y;
    qqbar_init(y);
    qqbar_mul(y, x, x);
    int ok = qqbar_degree(y) == 2;
    *nested = ok;
    if (ok) {
        fmpz_t a, b, c, d;
        fmpq_t p, q, disc, t, e;
        fmpz_init(a);
        fmpz_init(b);
        fmpz_init(c);
        fmpz_init(d);
        fmpq_init(p);
        fmpq_init(q);
        fmpq_init(disc);
        fmpq_init(t);
        fmpq_init(e);
        qqbar_get_quadratic(a, b, c, d, y, 0);
        fmpq_set_fmpz_frac(p, a, d);
        fmpq_set_fmpz_frac(q, b, d);
        /* disc = p² − q²c */
        fmpq_mul(disc, p, p);
        fmpq_mul(t, q, q);
        fmpq_mul_fmpz(t, t, c);
        fmpq_sub(disc, disc, t);
        ok = fmpz_sgn(c) > 0 && fmpq_sgn(disc) >= 0 && fmpz_is_square(fmpq_numref(disc)) &&
             fmpz_is_square(fmpq_denref(disc));
        if (ok) {
            fmpz_sqrt(fmpq_numref(e), fmpq_numref(disc));
            fmpz_sqrt(fmpq_denref(e), fmpq_denref(disc));
            const int sign = qqbar_sgn_re(x);
            fmpz_t two;
            fmpz_init_set_ui(two, 2);
            fmpq_add(t, p, e);
            fmpq_div_fmpz(t, t, two);
            ok = fmpq_sgn(t) >= 0 && add_root(s, sign, t, 2, limit);
            fmpq_sub(t, p, e);
            fmpq_div_fmpz(t, t, two);
            ok = ok && fmpq_sgn(t) >= 0 && add_root(s, sign * fmpz_sgn(b), t, 2, limit);
            fmpz_clear(two);
        }
        fmpz_clear(a);
        fmpz_clear(b);
        fmpz_clear(c);
        fmpz_clear(d);
        fmpq_clear(p);
        fmpq_clear(q);
        fmpq_clear(disc);
        fmpq_clear(t);
        fmpq_clear(e);
    }
    qqbar_clear(y);
    return ok;
}

static char* radicals(const vx_num* x, unsigned long limit) {
    terms s;
    terms_init(&s);
    int ok = 0, special = 0, denested = 0;
    const slong deg = qqbar_degree(x->value);
    if (!qqbar_is_real(x->value)) return NULL;
    /* A form of terms whose numbers stay within the notation's limits (12 digits, radicands
     * up to 10^6) has a minimal polynomial of at most some 100 bits for degree 2 and 200 for
     * degree 4: larger ones have no such form, and factoring their numbers can take long. */
    if (deg >= 2 && qqbar_height_bits(x->value) > (deg == 2 ? 128 : 256)) return NULL;
    if (deg == 1) {
        fmpq_t c;
        fmpq_init(c);
        qqbar_get_fmpq(c, x->value);
        ok = terms_add(&s, c, 1, 1);
        fmpq_clear(c);
    } else if (deg == 2) {
        fmpz_t qa, qb, qc, qd;
        fmpz_init(qa);
        fmpz_init(qb);
        fmpz_init(qc);
        fmpz_init(qd);
        qqbar_get_quadratic(qa, qb, qc, qd, x->value, 0);
        /* (a + b√c)/d with c possibly not squarefree: reduced by term_normal. */
        ok = fmpz_sgn(qc) > 0 && fmpz_abs_fits_ui(qc) && fmpz_get_ui(qc) <= limit * limit;
        if (ok) {
            fmpq_t c;
            fmpq_init(c);
            fmpq_set_fmpz_frac(c, qa, qd);
            ok = terms_add(&s, c, 1, 1);
            fmpq_set_fmpz_frac(c, qb, qd);
            ok = ok && term_normal(&s, c, fmpz_get_ui(qc), 1, limit * limit);
            fmpq_clear(c);
        }
        fmpz_clear(qa);
        fmpz_clear(qb);
        fmpz_clear(qc);
        fmpz_clear(qd);
    } else if (deg == 3 && pure_cube_root(&s, x->value, limit, &special)) {
        ok = 1;
    } else if (deg == 4 && (denested = denested_square_root(&s, x->value, limit * limit, &special)) &&
               terms_equal(&s, x->value)) {
        ok = 1;
    } else if (deg <= 4 && !(special && !denested)) {
        terms_clear(&s);
        terms_init(&s);
        fexpr_t e;
        fexpr_init(e);
        if (qqbar_get_fexpr_formula(e, x->value, QQBAR_FORMULA_ALL)) ok = walk(&s, e, limit);
        fexpr_clear(e);
    }
    for (int i = 0; ok && i < s.n; i++) ok = s.t[i].k <= limit && s.t[i].m <= limit;
    ok = ok && (deg <= 3 || terms_equal(&s, x->value));
    char* out = ok ? terms_string(&s) : NULL;
    terms_clear(&s);
    return out;
}

/* ---- Decimal digits ---- */

/* The digits of n, a rounded value of sig digits (10^sig after rounding up). */
static char* digits_of(const fmpz_t n, int sig, long* e) {
    fmpz_t limit;
    fmpz_init(limit);
    fmpz_ui_pow_ui(limit, 10, (ulong)sig);
    char* out;
    if (fmpz_equal(n, limit)) { /* 9.99…5 rounded up to the next power of ten */
        fmpz_ui_pow_ui(limit, 10, (ulong)sig - 1);
        out = fmpz_get_str(NULL, 10, limit);
        *e += 1;
    } else {
        out = fmpz_get_str(NULL, 10, n);
    }
    fmpz_clear(limit);
    return out;
}

/* A first guess at floor(log10 |t|) for a non-zero enclosure. */
static long guess_exponent(const arb_t t) {
    arb_t l;
    arb_init(l);
    arb_abs(l, t);
    arb_log_base_ui(l, l, 10, 64);
    const double d = arf_get_d(arb_midref(l), ARF_RND_NEAR);
    arb_clear(l);
    return (long)(d >= 0 ? (long)d : (long)d - 1);
}

static char* rounded(const vx_num* x, int sig, long* exp10) {
    qqbar_t a, y;
    fmpz_t n, lo, hi;
    fmpq_t scale;
    arb_t t;
    if (qqbar_is_zero(x->value)) {
        *exp10 = 0;
        char* z = flint_malloc(2);
        strcpy(z, "0");
        return z;
    }
    qqbar_init(a);
    qqbar_init(y);
    fmpz_init(n);
    fmpz_init(lo);
    fmpz_init(hi);
    fmpq_init(scale);
    arb_init(t);
    qqbar_abs(a, x->value);
    qqbar_get_arb(t, a, 64);
    long e = guess_exponent(t);
    fmpz_ui_pow_ui(lo, 10, (ulong)sig - 1);
    fmpz_ui_pow_ui(hi, 10, (ulong)sig);
    for (int tries = 0; tries < 8; tries++) {
        /* n = floor(|x| × 10^(sig-1-e) + 1/2) */
        const long shift = sig - 1 - e;
        fmpz_one(fmpq_numref(scale));
        fmpz_one(fmpq_denref(scale));
        if (shift >= 0)
            fmpz_ui_pow_ui(fmpq_numref(scale), 10, (ulong)shift);
        else
            fmpz_ui_pow_ui(fmpq_denref(scale), 10, (ulong)-shift);
        qqbar_mul_fmpq(y, a, scale);
        fmpz_one(fmpq_numref(scale));
        fmpz_set_ui(fmpq_denref(scale), 2);
        qqbar_add_fmpq(y, y, scale);
        qqbar_floor(n, y);
        if (fmpz_cmp(n, lo) < 0)
            e -= 1;
        else if (fmpz_cmp(n, hi) > 0)
            e += 1;
        else
            break;
    }
    *exp10 = e;
    char* out = digits_of(n, sig, exp10);
    qqbar_clear(a);
    qqbar_clear(y);
    fmpz_clear(n);
    fmpz_clear(lo);
    fmpz_clear(hi);
    fmpq_clear(scale);
    arb_clear(t);
    return out;
}

/* floor(|t| × 10^(sig-1-e) + 1/2) for the e that gives sig digits; 0 where the ball does
 * not decide it. */
static int round_ball(fmpz_t n, const arb_t t, int sig, long* exp10, slong prec) {
    arb_t s, h;
    fmpz_t lo, hi, ten;
    int found = 0;
    arb_init(s);
    arb_init(h);
    fmpz_init(lo);
    fmpz_init(hi);
    fmpz_init(ten);
    fmpz_ui_pow_ui(lo, 10, (ulong)sig - 1);
    fmpz_ui_pow_ui(hi, 10, (ulong)sig);
    long e = guess_exponent(t);
    for (int tries = 0; tries < 4 && !found; tries++) {
        const long shift = sig - 1 - e;
        fmpz_ui_pow_ui(ten, 10, (ulong)(shift >= 0 ? shift : -shift));
        if (shift >= 0)
            arb_mul_fmpz(s, t, ten, prec);
        else
            arb_div_fmpz(s, t, ten, prec);
        arb_set_d(h, 0.5);
        arb_add(s, s, h, prec);
        arb_floor(s, s, prec);
        if (!arb_get_unique_fmpz(n, s)) break;
        if (fmpz_cmp(n, lo) < 0)
            e -= 1;
        else if (fmpz_cmp(n, hi) > 0)
            e += 1;
        else
            found = 1;
    }
    *exp10 = e;
    arb_clear(s);
    arb_clear(h);
    fmpz_clear(lo);
    fmpz_clear(hi);
    fmpz_clear(ten);
    return found;
}

static char* zero_digits(long* exp10) {
    char* z = flint_malloc(2);
    strcpy(z, "0");
    *exp10 = 0;
    return z;
}

static char* approx(const vx_num* x, long pi_num, long pi_den, int sig, long* exp10, int* negative) {
    arb_t t, p;
    fmpz_t n;
    fmpq_t q;
    char* out = NULL;
    arb_init(t);
    arb_init(p);
    fmpz_init(n);
    fmpq_init(q);
    for (slong prec = 128; prec <= 8192 && out == NULL; prec *= 2) {
        qqbar_get_arb(t, x->value, prec);
        if (pi_num != 0) {
            arb_const_pi(p, prec);
            fmpq_set_si(q, pi_num, (ulong)pi_den);
            arb_pow_fmpq(p, p, q, prec);
            arb_mul(t, t, p, prec);
        }
        if (arb_is_zero(t)) {
            *negative = 0;
            out = zero_digits(exp10);
            break;
        }
        if (arb_contains_zero(t)) continue;
        *negative = arb_is_negative(t);
        arb_abs(t, t);
        long e = 0;
        if (round_ball(n, t, sig, &e, prec)) {
            *exp10 = e;
            out = digits_of(n, sig, exp10);
        }
    }
    arb_clear(t);
    arb_clear(p);
    fmpz_clear(n);
    fmpq_clear(q);
    return out;
}

/* ---- Values built of steps ---- */

/* π^(halves/2) */
static void pi_power(arb_t r, long halves, slong prec) {
    arb_t s;
    const unsigned long a = (unsigned long)(halves < 0 ? -halves : halves);
    arb_init(s);
    arb_const_pi(s, prec);
    arb_pow_ui(r, s, a / 2, prec);
    if (a % 2) {
        arb_sqrt(s, s, prec);
        arb_mul(r, r, s, prec);
    }
    if (halves < 0) arb_inv(r, r, prec);
    arb_clear(s);
}

/* x taken into [-1, 1], where arcsin and arccos are defined: a ball around ±1 reaches
 * beyond it. */
static void clamp_unit(arb_t r, const arb_t x, slong prec) {
    arb_t unit;
    arf_t lo, hi;
    arb_init(unit);
    arf_init(lo);
    arf_init(hi);
    arf_set_si(lo, -1);
    arf_set_si(hi, 1);
    arb_set_interval_arf(unit, lo, hi, prec);
    if (!arb_intersection(r, x, unit, prec)) arb_indeterminate(r);
    arb_clear(unit);
    arf_clear(lo);
    arf_clear(hi);
}

static void eval_root(arb_t r, const arb_t x, unsigned long n, slong prec) {
    if (n == 2) {
        arb_sqrtpos(r, x, prec); /* the caller has found x ≥ 0; a ball around 0 keeps its part ≥ 0 */
    } else if (arb_is_nonnegative(x)) {
        arb_root_ui(r, x, n, prec);
    } else if (arb_is_negative(x)) {
        arb_neg(r, x);
        arb_root_ui(r, r, n, prec);
        arb_neg(r, r);
    } else {
        arb_t m;
        arb_init(m);
        arb_abs(r, x);
        arb_root_ui(r, r, n, prec);
        arb_neg(m, r);
        arb_union(r, r, m, prec);
        arb_clear(m);
    }
}

static void eval_steps(arb_ptr v, const vx_step* s, int count, slong prec) {
    for (int i = 0; i < count; i++) {
        arb_ptr r = v + i;
        const arb_srcptr a = s[i].op == VX_LEAF ? NULL : v + s[i].a;
        const arb_srcptr b = s[i].op >= VX_ADD && s[i].op <= VX_DIV ? v + s[i].b : NULL;
        switch (s[i].op) {
            case VX_LEAF:
                qqbar_get_arb(r, s[i].leaf->value, prec);
                if (s[i].n != 0) {
                    arb_t p;
                    arb_init(p);
                    pi_power(p, s[i].n, prec);
                    arb_mul(r, r, p, prec);
                    arb_clear(p);
                }
                break;
            case VX_ADD:
                arb_add(r, a, b, prec);
                break;
            case VX_SUB:
                arb_sub(r, a, b, prec);
                break;
            case VX_MUL:
                arb_mul(r, a, b, prec);
                break;
            case VX_DIV:
                arb_div(r, a, b, prec);
                break;
            case VX_POW:
                arb_pow_ui(r, a, (ulong)(s[i].n < 0 ? -s[i].n : s[i].n), prec);
                if (s[i].n < 0) arb_inv(r, r, prec);
                break;
            case VX_ROOT:
                eval_root(r, a, (unsigned long)s[i].n, prec);
                break;
            case VX_SIN:
                arb_sin(r, a, prec);
                break;
            case VX_COS:
                arb_cos(r, a, prec);
                break;
            case VX_TAN:
                arb_tan(r, a, prec);
                break;
            case VX_ASIN:
                clamp_unit(r, a, prec);
                arb_asin(r, r, prec);
                break;
            case VX_ACOS:
                clamp_unit(r, a, prec);
                arb_acos(r, r, prec);
                break;
            case VX_ATAN:
                arb_atan(r, a, prec);
                break;
            default:
                arb_indeterminate(r);
        }
    }
}

static char* evaluate(const vx_step* steps, int count, int sig, long max_prec, long* exp10, int* sign, int* certain) {
    arb_ptr v = _arb_vec_init(count);
    arb_t t;
    fmpz_t n;
    char* out = NULL;
    arb_init(t);
    fmpz_init(n);
    *sign = 0;
    *certain = 0;
    *exp10 = 0;
    int defined = 0;
    slong prec = 64;
    for (;; prec *= 2) {
        eval_steps(v, steps, count, prec);
        arb_srcptr r = v + count - 1;
        const int last = prec * 2 > max_prec;
        if (arb_is_finite(r)) {
            defined = 1;
            if (arb_is_zero(r)) { /* only from exact zeros */
                *certain = 1;
                if (sig > 0) out = zero_digits(exp10);
                break;
            }
            if (!arb_contains_zero(r)) {
                *sign = arb_is_positive(r) ? 1 : -1;
                if (sig <= 0) {
                    *certain = 1;
                    break;
                }
                arb_abs(t, r);
                if (round_ball(n, t, sig, exp10, prec)) {
                    *certain = 1;
                    out = digits_of(n, sig, exp10);
                    break;
                }
            }
        }
        if (last) {
            if (defined && sig > 0) {
                if (*sign == 0) {
                    out = zero_digits(exp10); /* indistinguishable from 0 */
                } else {
                    /* the rounding of the midpoint */
                    arb_get_mid_arb(t, r);
                    arb_abs(t, t);
                    if (round_ball(n, t, sig, exp10, prec)) out = digits_of(n, sig, exp10);
                }
            }
            break;
        }
    }
    _arb_vec_clear(v, count);
    arb_clear(t);
    fmpz_clear(n);
    return out;
}

static const struct vx_api api = {
    VX_API_VERSION, from_fraction, copy,   release,        add,      sub,     mul,  divide,  pow_si, root_ui,
    sin_pi,         cos_pi,        tan_pi, asin_pi,        atan_pi,  acos_pi, sign, compare, degree, height_bits,
    radicals,       rounded,       approx, release_string, evaluate,
};

const struct vx_api* velunda_exact_api(void) { return &api; }
