// SPDX-License-Identifier: GPL-3.0-or-later
// "Scheibe bauen" in the page: the engine's checks block what cannot be built, and the files
// downloaded are the bytes that zyklora-disk writes for the same settings.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { after, before, test } from "node:test";

import { okWith, openBrowser, openPage } from "./browser.mjs";

let browser;
let page;
const errors = [];

before(async () => {
    browser = await openBrowser({ width: 1280, height: 900 });
    page = await openPage(browser.context, errors);
});

after(async () => {
    await browser.close();
    assert.deepEqual(errors, []);
});

test("the dialog refuses loose pieces and saves what zyklora-disk writes", async () => {
    await okWith(page, 30);
    await page.keyboard.press("Control+b");
    const box = page.getByRole("dialog", { name: "Scheibe bauen" });
    assert.equal(await box.getByLabel("Codeanzahl:").inputValue(), "30");
    await box.getByLabel("Art:").selectOption("1");
    await box.getByLabel("Spurabstand (mm):").fill("0");
    const checks = box.getByRole("list", { name: "Prüfungen" });
    assert.match(await checks.textContent(), /Fehler: Lose Teile: Ring 2, Sektoren 23–24/);
    assert.equal(await box.getByRole("button", { name: "DXF (Laser, CAD)" }).isDisabled(), true);

    await box.getByLabel("Spurabstand (mm):").fill("1.2");
    assert.equal(await box.getByRole("button", { name: "DXF (Laser, CAD)" }).isDisabled(), false);
    for (const [name, format, fileName] of [["SVG (Laser, Plotter)", "svg", "zyklora-30-scheibe.svg"],
        ["DXF (Laser, CAD)", "dxf", "zyklora-30-scheibe.dxf"],
        ["STL (3D-Druck)", "stl", "zyklora-30-scheibe.stl"]]) {
        const download = page.waitForEvent("download");
        await box.getByRole("button", { name }).click();
        const file = await download;
        assert.equal(file.suggestedFilename(), fileName);
        const native = execFileSync(process.env.ZYKLORA_DISK,
            ["30", format, "--style", "slit", "--gap", "1.2"]);
        assert.ok(readFileSync(await file.path()).equals(native), format);
    }
    // The sensor angles as typed reach the engine, which reads them as zyklora-disk does.
    await box.getByLabel("Sensorwinkel in Grad:").fill("0; 7,5 15");
    const download = page.waitForEvent("download");
    await box.getByRole("button", { name: "DXF (Laser, CAD)" }).click();
    const native = execFileSync(process.env.ZYKLORA_DISK,
        ["30", "dxf", "--style", "slit", "--gap", "1.2", "--sensor-angles", "0,7.5,15"]);
    assert.ok(readFileSync(await (await download).path()).equals(native));
});
