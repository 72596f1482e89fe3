// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// ESLint's rules for the web edition's scripts and the checks' (make lint).
// The page's scripts are held to the browsers of the baseline (browserslist
// in package.json), and never build code from text, which the page's
// security policy would refuse.
import js from '@eslint/js';
import compat from 'eslint-plugin-compat';
import globals from 'globals';

export default [
    { ignores: ['build*/', 'node_modules/'] },
    js.configs.recommended,
    {
        files: ['web/*.js'],
        ...compat.configs['flat/recommended'],
        languageOptions: { globals: globals.browser },
        rules: { ...compat.configs['flat/recommended'].rules, 'no-eval': 'error', 'no-implied-eval': 'error', 'no-new-func': 'error' },
    },
    { files: ['web/sw.js'], languageOptions: { sourceType: 'script', globals: globals.serviceworker } },
    { files: ['**/*.mjs'], languageOptions: { globals: globals.node } },
    // The checks hand functions to the browser to run in the page.
    { files: ['tests/web/*.mjs', 'bench/web-bench.mjs'], languageOptions: { globals: { ...globals.node, ...globals.browser } } },
];
