// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The page's style sheet held to the browsers of the baseline (browserslist
// in package.json), with caniuse's data (make lint).
export default {
    plugins: ['stylelint-no-unsupported-browser-features'],
    rules: {
        'plugin/no-unsupported-browser-features': [true, { severity: 'error', ignorePartialSupport: false }],
    },
};
