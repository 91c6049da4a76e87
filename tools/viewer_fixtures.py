#!/usr/bin/python3
"""Regenerates the reference fixtures of the viewer tests with numpy and scipy.

Usage: tools/viewer_fixtures.py [output folder]   (default tests/viewer/fixtures)

Every fixture is plain text: 'case NAME', then lines 'KEY v1 v2 ...' with
numbers in %.17g; polynomial coefficients are listed from s^0 upward.
"""
import math
import os
import sys

import numpy as np
from scipy import signal


def fmt(values):
    return " ".join("%.17g" % v for v in values)


def ascending_from_roots(roots, lead=1.0):
    return list(np.real(np.poly(roots) * lead)[::-1])


def write(path, cases):
    with open(path, "w") as out:
        for case in cases:
            out.write("case %s\n" % case[0])
            for key, values in case[1:]:
                out.write("%s %s\n" % (key, fmt(values)))


def roots_cases():
    cases = []

    def add(name, coeffs, tol):
        found = np.roots(np.array(coeffs[::-1], dtype=float))
        flat = []
        for r in found:
            flat += [r.real, r.imag]
        cases.append((name, ("coeffs", coeffs), ("roots", flat), ("tol", [tol])))

    add("j_axis_pair", [1.0, 0.0, 1.0], 1e-9)
    add("two_j_axis_pairs", ascending_from_roots([1j, -1j, 2j, -2j]), 1e-9)
    add("j_axis_pair_1e6", [1e12, 0.0, 1.0], 1e-9)
    add("double_root", ascending_from_roots([-1, -1]), 1e-6)
    add("triple_root", ascending_from_roots([-1, -1, -1]), 1e-4)
    add("double_and_single", ascending_from_roots([-2, -2, -5]), 1e-6)
    add("right_half_real", ascending_from_roots([3, -1 + 2j, -1 - 2j]), 1e-9)
    add("zero_root", ascending_from_roots([0, -1, -2]), 1e-9)
    add("double_zero_root", ascending_from_roots([0, 0, -3]), 1e-9)
    for order in range(1, 11):
        _, poles, _ = signal.buttap(order)
        add("butterworth_%d" % order, ascending_from_roots(poles), 1e-8)
    _, poles, _ = signal.buttap(6)
    add("butterworth_6_at_1e9", ascending_from_roots(poles * 1e9), 1e-8)
    spread = [-1.0, -1e10, -1e3 + 2e3j, -1e3 - 2e3j, -1e6 + 5e6j, -1e6 - 5e6j,
              -2e9 + 1e9j, -2e9 - 1e9j]
    add("spread_1_to_1e10", ascending_from_roots(spread), 1e-7)
    transistor = [-3e2, -1e9 + 2e9j, -1e9 - 2e9j, -1e10, -5e9]
    add("transistor_poles", ascending_from_roots(transistor), 1e-7)
    return cases


def phase_delay(num, den, w):
    b, a = num[::-1], den[::-1]
    _, h = signal.freqs(b, a, worN=w)
    rel = 1e-6
    _, hp = signal.freqs(b, a, worN=w * (1 + rel))
    _, hm = signal.freqs(b, a, worN=w * (1 - rel))
    # Group delay: minus the derivative of the unwrapped phase.
    dphi = np.unwrap(np.angle(hp)) - np.unwrap(np.angle(hm))
    dphi = (dphi + np.pi) % (2 * np.pi) - np.pi
    delay = -dphi / (2 * rel * w)
    return h, delay


def response_cases():
    cases = []

    def add(name, num, den, ws, we):
        w = ws * (we / ws) ** (np.arange(201) * 0.005)
        h, delay = phase_delay(num, den, w)
        cases.append((name, ("num", num), ("den", den), ("range", [ws, we]),
                      ("gain", 20 * np.log10(np.abs(h))), ("phase", np.degrees(np.angle(h))),
                      ("delay", delay)))

    add("lowpass_2", [1.0], [1.0, 0.2, 1.0], 0.01, 100.0)
    _, poles, _ = signal.buttap(5)
    add("butterworth_5", [1.0], ascending_from_roots(poles), 0.01, 100.0)
    add("bandpass", [0.0, 2.0], [1.0, 1.0, 1.0], 0.001, 1000.0)
    add("nonminimum_phase", ascending_from_roots([2.0]), ascending_from_roots([-1.0, -3.0]), 0.01, 1000.0)
    add("negative_gain", [-10.0, -1.0], [100.0, 2.0, 1.0], 0.1, 1e4)
    add("poles_at_1e9", [2e18], ascending_from_roots([-1e9 + 2e9j, -1e9 - 2e9j]), 1e6, 1e12)
    return cases


def inverse_laplace(b, a, t):
    """Inverse transform of the strictly proper b/a (descending powers) at times t."""
    r, p, _ = signal.residue(b, a)
    out = np.zeros_like(t, dtype=complex)
    m = 0
    for i in range(len(p)):
        m = m + 1 if i > 0 and abs(p[i] - p[i - 1]) < 1e-6 * max(1.0, abs(p[i])) else 1
        out += r[i] * t ** (m - 1) / math.factorial(m - 1) * np.exp(p[i] * t)
    return np.real(out)


def proper_part(b, a):
    q, rem = signal.deconvolve(b, a) if len(b) >= len(a) else (np.array([0.0]), np.array(b))
    rem = np.trim_zeros(np.array(rem, dtype=float), "f")
    return (rem if len(rem) else np.array([0.0])), a


def time_cases():
    cases = []

    def add(name, num, den, T):
        h = T * 0.005
        t = np.arange(201) * h
        b = np.array(num[::-1], dtype=float)
        a = np.array(den[::-1], dtype=float)
        # Impulse response without impulses: the strictly proper part of H.
        pb, pa = proper_part(b, a)
        g = inverse_laplace(np.polymul(pb, [1.0]), np.polymul(pa, [1.0, 0.0]), t)  # its integral
        impulse = (g[1:] - g[:-1]) / h
        # Step response without impulses: the strictly proper part of H/s.
        sb, sa = proper_part(b, np.polymul(a, [1.0, 0.0]))
        ramp = inverse_laplace(sb, np.polymul(sa, [1.0, 0.0]), t)
        step = (ramp[1:] - ramp[:-1]) / h
        cases.append((name, ("num", num), ("den", den), ("T", [T]),
                      ("impulse", impulse), ("step", step)))

    add("first_order", [1.0], [1.0, 1.0], 5.0)
    add("first_order_unnormalised", [5.0], [2.0, 2.0], 5.0)
    add("underdamped", [3.0, 1.0], [4.0, 0.4, 1.0], 20.0)
    add("butterworth_3", [1.0], [1.0, 2.0, 2.0, 1.0], 15.0)
    add("equal_degrees", [2.0, 1.0], [1.0, 1.0], 5.0)
    add("numerator_above", [1.0, 0.0, 1.0], [1.0, 1.0], 5.0)
    add("fast_poles", [1e12], [1e12, 1.4e6, 1.0], 2e-5)
    return cases


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "tests", "viewer", "fixtures")
    os.makedirs(folder, exist_ok=True)
    write(os.path.join(folder, "roots.txt"), roots_cases())
    write(os.path.join(folder, "responses.txt"), response_cases())
    write(os.path.join(folder, "time.txt"), time_cases())


if __name__ == "__main__":
    main()
