// The web page's grading module against the guide's verdict examples, the score, the code and
// the reveals: node grading_test.js MODULE GUIDE_EXAMPLES_DIR TEXTS_AT_END_DIR
// Each folder holds quiz.bin and codes.bin, the packed resources of its quiz.json.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');

const [modulePath, guideDir, atEndDir] = process.argv.slice(2);

// Code page 1252 of the few characters these tests type: Latin-1 letters keep their code.
function Cp1252(text) {
  return Uint8Array.from(text, (c) => {
    const code = c.charCodeAt(0);
    assert.ok(code < 0x80 || (code >= 0xA0 && code < 0x100), `not typed here: ${c}`);
    return code;
  });
}

function Latin1(module, pointer) {
  let text = '';
  for (let p = pointer; module.HEAPU8[p]; ++p) text += String.fromCharCode(module.HEAPU8[p]);
  return text;
}

// Copies bytes into the module's memory (zero-terminated); the caller frees the block.
function Place(module, bytes) {
  const pointer = module._malloc(bytes.length + 1);
  module.HEAPU8.set(bytes, pointer);
  module.HEAPU8[pointer + bytes.length] = 0;
  return pointer;
}

function Load(module, dir, withCodes = true) {
  const quiz = fs.readFileSync(path.join(dir, 'quiz.bin'));
  const codes = withCodes ? fs.readFileSync(path.join(dir, 'codes.bin')) : new Uint8Array(0);
  const quizPointer = Place(module, quiz);
  const codesPointer = Place(module, codes);
  const loaded = module._brela_load(quizPointer, quiz.length, codesPointer, codes.length);
  module._free(quizPointer);
  module._free(codesPointer);
  return loaded;
}

function Judge(module, slot, typedBytes) {
  const pointer = Place(module, typedBytes);
  const verdict = Latin1(module, module._brela_judge(slot, pointer));
  module._free(pointer);
  return verdict;
}

const Type = (module, slot, text) => Judge(module, slot, Cp1252(text));
const Code = (module) => Latin1(module, module._brela_code());

const GREEN = 0x00FF00;
const ORANGE = 0xFF6400;
const YELLOW = 0xFFCB26;
const RED = 0xFF0000;
const NO_COLOUR = 0xFFFFFFFF;

// The guide's table: expected answer of each question (1 to 10), typed text, verdict.
const GUIDE_ROWS = [
  [1, '  paris ', 'BRAVO', GREEN],
  [2, 'niche', 'Anagramme', ORANGE],
  [3, 'bateaux', 'Quasiment', YELLOW],
  [4, 'crocodi', 'Presque', YELLOW],
  [5, 'eleve', 'Presque', YELLOW],
  [6, 'émile', 'Quasiment', YELLOW],
  [7, 'chocolatine', 'Trop long', YELLOW],
  [2, 'le chien de garde', 'Trop long', YELLOW],
  [8, 'hippopot', 'Trop court', YELLOW],
  [8, 'hippopo', 'pas loin', YELLOW],
  [8, 'hippo', 'FAUX', RED],
  [9, 'le grande vacance', 'yade lidée', YELLOW],
  [10, 'chien', 'FAUX', RED],
  [1, '   ', '?', NO_COLOUR],
];

function TestGuideVerdicts(module) {
  assert.equal(Load(module, guideDir), 1);
  assert.equal(module._brela_question_count(), 10);
  assert.equal(module._brela_answers_per_question(), 1);
  assert.equal(module._brela_kind(), 0);
  assert.equal(module._brela_reveal_mode(), 2);
  for (const [slot, typed, verdict, colour] of GUIDE_ROWS) {
    assert.equal(Type(module, slot, typed), verdict, `${typed} in field ${slot}`);
    assert.equal(Latin1(module, module._brela_verdict(slot)), verdict);
    assert.equal(module._brela_verdict_colour(slot) >>> 0, colour, `colour of ${verdict}`);
  }
}

function TestScoreCodeAndRevealsOnSolving(module) {
  assert.equal(Load(module, guideDir), 1);
  assert.equal(module._brela_score(), 0);
  assert.equal(Code(module), '');
  assert.equal(Latin1(module, module._brela_verdict(4)), '?');
  // Spaces around the answer: right, but the question is not typed exactly.
  assert.equal(Type(module, 1, ' Paris'), 'BRAVO');
  assert.equal(module._brela_score(), 1);
  assert.equal(Code(module), 'C1');
  assert.equal(module._brela_revealed(1), 0);
  assert.equal(Type(module, 1, 'paris'), 'BRAVO');
  assert.equal(module._brela_revealed(1), 1);
  assert.equal(module._brela_reveal_text_shown(1), 1);
  assert.equal(module._brela_answer_picture_shown(1), 0);
  assert.equal(Type(module, 1, 'pari'), 'Quasiment');
  assert.equal(module._brela_revealed(1), 0);
  assert.equal(module._brela_score(), 0);
  const answers = ['Paris', 'chien', 'bateau', 'crocodile', 'élève', 'Émile', 'chocolat',
                   'hippopotame', 'les grandes vacances', 'chat'];
  answers.forEach((answer, i) => assert.equal(Type(module, i + 1, answer), 'BRAVO', answer));
  assert.equal(module._brela_score(), 10);
  assert.equal(Code(module), 'C10');
  assert.equal(module._brela_all_texts_revealed(), 0);
  assert.equal(Type(module, 8, 'hippo'), 'FAUX');
  assert.equal(module._brela_score(), 9);
  assert.equal(Code(module), 'C9');
  assert.equal(module._brela_revealed(8), 0);
  assert.equal(module._brela_revealed(7), 1);
}

function TestTextsRevealedAtTheEnd(module) {
  assert.equal(Load(module, atEndDir), 1);
  assert.equal(module._brela_answers_per_question(), 2);
  assert.equal(module._brela_reveal_mode(), 4);
  assert.equal(Type(module, 1, 'france'), 'BRAVO');
  assert.equal(module._brela_score(), 0);
  assert.equal(Type(module, 2, 'PARIS'), 'BRAVO');
  assert.equal(module._brela_score(), 1);
  assert.equal(Code(module), 'UN');
  assert.equal(module._brela_revealed(1), 0);
  assert.equal(Type(module, 3, 'Italie'), 'BRAVO');
  assert.equal(Type(module, 4, 'Rome'), 'BRAVO');
  assert.equal(Code(module), 'DEUX');
  assert.equal(module._brela_all_texts_revealed(), 1);
  assert.equal(module._brela_revealed(1), 1);
  assert.equal(module._brela_revealed(2), 1);
  // A wrong answer takes its own question's text away; the other stays, as on the board.
  assert.equal(Type(module, 4, 'Rom'), 'Quasiment');
  assert.equal(module._brela_all_texts_revealed(), 0);
  assert.equal(module._brela_revealed(2), 0);
  assert.equal(module._brela_revealed(1), 1);
}

function TestFieldsAndLoads(module) {
  assert.equal(Load(module, guideDir, false), 1);
  assert.equal(Type(module, 10, 'chat'), 'BRAVO');
  assert.equal(module._brela_score(), 1);
  assert.equal(Code(module), '', 'no codes resource: no code');
  // The edit field keeps 259 bytes: what lies beyond is never graded.
  const long = new Uint8Array(262).fill(0x20);
  long.set(Cp1252('chat'));
  long.set(Cp1252('xyz'), 259);
  assert.equal(Judge(module, 10, long), 'BRAVO');
  assert.equal(Type(module, 0, 'chat'), '');
  assert.equal(Type(module, 11, 'chat'), '');
  assert.equal(Load(module, guideDir), 1);
  assert.equal(Latin1(module, module._brela_verdict(10)), '?', 'a load empties every field');
  assert.equal(module._brela_score(), 0);
  const broken = fs.readFileSync(path.join(guideDir, 'quiz.bin')).subarray(0, 20);
  const pointer = Place(module, broken);
  assert.equal(module._brela_load(pointer, broken.length, 0, 0), 0);
  module._free(pointer);
  assert.equal(module._brela_question_count(), 0);
}

require(path.resolve(modulePath))().then((module) => {
  TestGuideVerdicts(module);
  TestScoreCodeAndRevealsOnSolving(module);
  TestTextsRevealedAtTheEnd(module);
  TestFieldsAndLoads(module);
  console.log('web grading: all checks passed');
});
