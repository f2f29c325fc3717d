// SPDX-License-Identifier: GPL-3.0-or-later
// In Chromium at a school screen's, a laptop's and a phone's size: the page never scrolls
// sideways, the table shows all five columns, and the selected row is never under the headings.
import assert from "node:assert/strict";
import { test } from "node:test";
import { openBrowser, openPage } from "./browser.mjs";

for (const [width, height] of [[1024, 768], [1366, 768], [390, 844]]) {
    test(`at ${width}×${height} nothing is cut and the selected row stays in view`, async () => {
        const browser = await openBrowser({ width, height });
        const errors = [];
        try {
            const page = await openPage(browser.context, errors);
            await page.getByLabel("Codeanzahl - gerade Zahl von 4 bis 64").fill("64");
            await page.keyboard.press("Enter");
            const widths = await page.evaluate(() => ({
                page: document.documentElement.scrollWidth,
                table: document.getElementById("table").scrollWidth,
                box: document.getElementById("tableBox").clientWidth,
                toolbar: Math.max(...[...document.querySelectorAll(".toolbar button")]
                    .map((button) => button.getBoundingClientRect().right)),
            }));
            assert.ok(widths.page <= width, `page ${widths.page}`);
            assert.ok(widths.toolbar <= width, `toolbar ${widths.toolbar}`);
            assert.ok(widths.table <= widths.box, `table ${widths.table} in ${widths.box}`);
            // Up from the last word, the rows leave the box at its top; then down from the first.
            await page.focus("#tableBox");
            for (const [key, presses] of [["End", 1], ["ArrowUp", 40], ["Home", 1],
                ["ArrowDown", 30], ["ArrowUp", 30]]) {
                for (let i = 1; i <= presses; ++i) {
                    await page.keyboard.press(key);
                    const rows = await page.evaluate(() => {
                        const box = document.getElementById("tableBox").getBoundingClientRect();
                        return {
                            heading: document.querySelector("#table thead").getBoundingClientRect(),
                            row: document.querySelector("#table tbody tr.selected")
                                .getBoundingClientRect(),
                            bottom: box.bottom,
                        };
                    });
                    assert.ok(rows.row.top >= rows.heading.bottom - 1
                        && rows.row.bottom <= rows.bottom + 1,
                    `${key} ×${i}: row ${rows.row.top}–${rows.row.bottom}, heading to ` +
                        `${rows.heading.bottom}, box to ${rows.bottom}`);
                }
            }
        } finally {
            await browser.close();
        }
        assert.deepEqual(errors, []);
    });
}
