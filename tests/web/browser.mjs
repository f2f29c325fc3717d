// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's chromium, headless with a fresh profile, driven by playwright-core; and the page.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";

export const webDir = resolve(process.env.ZYKLORA_WEB_DIR ?? "build-web");
export const pageUrl = pathToFileURL(join(webDir, "zyklora.html")).href;

// A browser context of its own; close() also removes its profile.
export async function openBrowser({ width = 1024, height = 768, scale = 1 } = {}) {
    const profile = mkdtempSync(join(tmpdir(), "zyklora-chromium-"));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        headless: true,
        viewport: { width, height },
        deviceScaleFactor: scale,
        acceptDownloads: true,
        args: ["--no-sandbox", "--headless", "--disable-gpu", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync"],
    });
    return {
        context,
        close: async () => {
            await context.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// A new page of context with zyklora.html open, once the module has started and made its
// first OK: the page unpacks the module asynchronously.
export async function openPage(context, errors) {
    const page = await context.newPage();
    page.on("pageerror", (error) => errors.push(error.message));
    await page.goto(pageUrl);
    await page.waitForFunction(() => performance.getEntriesByName("zyklora-ready").length > 0);
    return page;
}

// Types typed into the count field and presses Enter, as a user asks for a table.
export async function okWith(page, typed) {
    await page.getByLabel("Codeanzahl - gerade Zahl von 4 bis 64").fill(String(typed));
    await page.keyboard.press("Enter");
}
