// The web page's grading module: loading a 90-question quiz of two answers and judging its 180
// fields, the median of 51 rounds. Run by hand, after scripts/build-web.sh and a native build
// configured with -DBRELA_WEB_MODULE (which builds write_packed_quiz):
//   node bench/web_grading_bench.js build/web/brela_grading.js \
//        build/native/tests/web/write_packed_quiz
'use strict';
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const [modulePath, packer] = process.argv.slice(2);
const QUESTIONS = 90;
const ROUNDS = 51;

function PackedQuiz() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'brela-web-bench-'));
  const questions = Array.from({ length: QUESTIONS }, (_, i) => ({
    answer1: `les grandes vacances ${i + 1}`,
    answer2: `hippopotame ${i + 1}`,
    questionText: `Question ${i + 1}`,
  }));
  const quiz = {
    kind: 'text', title: 'Banc', author: 'brela', explanation: 'Mesure',
    answersPerQuestion: 2, answer1Caption: 'Un', answer2Caption: 'Deux', revealMode: 'none',
    codes: questions.map((_, i) => `code ${i + 1}`), questions,
  };
  fs.writeFileSync(path.join(dir, 'quiz.json'), JSON.stringify(quiz));
  execFileSync(packer, ['quiz.json', 'quiz.bin', 'codes.bin'].map((f) => path.join(dir, f)));
  const read = (f) => fs.readFileSync(path.join(dir, f));
  const packed = { quiz: read('quiz.bin'), codes: read('codes.bin') };
  fs.rmSync(dir, { recursive: true });
  return packed;
}

function Place(module, bytes) {
  const pointer = module._malloc(bytes.length + 1);
  module.HEAPU8.set(bytes, pointer);
  module.HEAPU8[pointer + bytes.length] = 0;
  return pointer;
}

// Near misses, the slowest verdicts: every rule is tried before the similarity.
function Typed(slot) {
  const n = Math.ceil(slot / 2);
  const text = slot % 2 ? `le grande vacance ${n}` : `hipopotam ${n}`;
  return Buffer.from(text, 'latin1');
}

require(path.resolve(modulePath))().then((module) => {
  const { quiz, codes } = PackedQuiz();
  const typed = Array.from({ length: 2 * QUESTIONS }, (_, k) => Place(module, Typed(k + 1)));
  const quizPointer = Place(module, quiz);
  const codesPointer = Place(module, codes);
  const rounds = [];
  for (let round = 0; round < ROUNDS; ++round) {
    const start = process.hrtime.bigint();
    if (!module._brela_load(quizPointer, quiz.length, codesPointer, codes.length)) {
      throw new Error('quiz not loaded');
    }
    typed.forEach((pointer, k) => module._brela_judge(k + 1, pointer));
    rounds.push(Number(process.hrtime.bigint() - start) / 1e6);
  }
  rounds.sort((a, b) => a - b);
  const median = rounds[(ROUNDS - 1) / 2];
  console.log(`load + ${typed.length} judgements: median ${median.toFixed(2)} ms ` +
              `(${(median / typed.length).toFixed(3)} ms a field, load included)`);
  console.log(`module: ${fs.statSync(modulePath).size} bytes`);
});
