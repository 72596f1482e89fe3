// The page as the window: «Изведи» runs the engine on the input box's text
// and shows what it wrote, «Изчисти» empties both boxes. The page only moves
// text between the boxes and the engine.
import { loadEngine } from './engine.js';
import { keepToRule } from './inputrule.js';

const InputLimit = 2;

const element = (id) => document.getElementById(id);
const input = element('Text2_0');
const output = element('Text2_1');
const errorDialog = element('error');

// The user's number format, as the desktop takes the system's: the browser's
// first language decides the decimal separator.
function decimalSeparator() {
    const language = navigator.languages?.[0] ?? navigator.language;
    const parts = new Intl.NumberFormat(language).formatToParts(0.5);
    return parts.find((part) => part.type === 'decimal')?.value ?? '.';
}

// Narrower than the window, the whole window shrinks to fit.
function fitToViewport() {
    const clientArea = element('window');
    const scale = Math.min(1, document.documentElement.clientWidth / clientArea.offsetWidth);
    document.documentElement.style.setProperty('--scale', String(scale));
}

function showOutput(text) {
    output.value = text;
    output.setSelectionRange(0, 0);
    output.scrollTop = 0;
}

function showError(message) {
    element('error-message').textContent = message;
    errorDialog.showModal();
}

const setInput = keepToRule(input, InputLimit);
fitToViewport();
addEventListener('resize', fitToViewport);
element('error-close').addEventListener('click', () => errorDialog.close());

const engine = loadEngine('zerkovan.wasm');
const separator = decimalSeparator();

// Submitted by a click on «Изведи», Enter in the input box, or Enter or Space
// on the button. A click before the module has loaded runs once it has.
element('controls').addEventListener('submit', async (event) => {
    event.preventDefault();
    const { output: text, failure } = (await engine).run(input.value, separator);
    showOutput(text);
    if (failure !== null) showError(failure);
});
element('Command1_1').addEventListener('click', () => {
    setInput('');
    showOutput('');
});

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
