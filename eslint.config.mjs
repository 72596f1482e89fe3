// ESLint's rules for the web edition's scripts (make lint).
import js from '@eslint/js';
import globals from 'globals';

export default [
    { ignores: ['build*/', 'node_modules/'] },
    js.configs.recommended,
    { files: ['web/*.js'], languageOptions: { globals: globals.browser } },
    { files: ['web/sw.js'], languageOptions: { sourceType: 'script', globals: globals.serviceworker } },
    { files: ['**/*.mjs'], languageOptions: { globals: globals.node } },
];
