// SPDX-License-Identifier: GPL-3.0-or-later
// The cyclic Gray code computed here, independently of the engine, for the browser tests.

// The reflected code's word number i of bits bits.
export const reflected = (i, bits) => (i ^ (i >> 1)).toString(2).padStart(bits, "0");

// How the code of n words is cut from the reflected code: bits, full length, and the first and
// last number of the dropped block (none when n is a power of two).
export function cutOf(n) {
    const bits = Math.ceil(Math.log2(n));
    const full = 2 ** bits;
    const lowEnd = (bits >= 2 ? full / 4 : 0) + n / 2 - 1;
    return { bits, full, firstDropped: lowEnd + 1, lastDropped: lowEnd + full - n };
}

// The kept words of the cyclic Gray code of n words, in the listing's order.
export function keptWords(n) {
    const { bits, full, firstDropped, lastDropped } = cutOf(n);
    return [...Array(full).keys()].filter((i) => i < firstDropped || i > lastDropped)
        .map((i) => reflected(i, bits));
}
