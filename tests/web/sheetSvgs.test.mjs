// SPDX-License-Identifier: GPL-3.0-or-later
// Without a browser: the module draws each worksheet page as the same SVG document as the native
// engine (tests/web/writeSheetSvgs.cpp), so that a variant is the same sheet in both editions.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { webDir } from "./browser.mjs";

const expected = JSON.parse(readFileSync(process.env.ZYKLORA_SHEET_SVGS, "utf8"));

test("the module's worksheet pages equal the native engine's, and their file names", async () => {
    let memory;
    const text = (at, length) => new TextDecoder().decode(new Uint8Array(memory.buffer, at, length));
    let handed = null;
    const showSheet = (at, length, nameAt, nameLength) => {
        handed = { svg: text(at, length), name: text(nameAt, nameLength) };
    };
    // Only the worksheets are asked for: every other import is never called.
    const zyklora = new Proxy({}, { get: (_, name) => (name === "showSheet" ? showSheet : () => {}) });
    const { instance } = await WebAssembly.instantiate(
        readFileSync(join(webDir, "web/zyklora.wasm")),
        { zyklora, wasi_snapshot_preview1: zyklora });
    const engine = instance.exports;
    memory = engine.memory;
    engine._initialize();
    assert.equal(Object.keys(expected).length, 3 * 3 * 2 * 2);
    for (const [key, native] of Object.entries(expected)) {
        const [kind, n, variant, solution] = key.split(" ").map(Number);
        handed = null;
        assert.equal(engine.sheet(kind, n, variant, solution), 1);
        assert.equal(handed.svg, native, key);
        assert.match(handed.name, solution ? /^loesung-/ : /^arbeitsblatt-/);
    }
    // Numbers that are none, and a kind that is none.
    assert.equal(engine.sheetCount(NaN), 4);
    assert.equal(engine.sheetVariant(NaN), 1);
    handed = null;
    assert.equal(engine.sheet(3, 10, 1, 0), 0);
    assert.equal(handed, null);
});
