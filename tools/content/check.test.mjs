// node --test tools/content/ — the checker must accept the committed books and
// catch each kind of mistake a writer makes; each case breaks one rule on a copy.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';

const here = fileURLToPath(new URL('.', import.meta.url));
const content = join(here, '..', '..', 'content');

// Runs check.mjs on a copy of content/ whose book 1 was changed by mutate().
function checkWith(mutate, args = ['--quiet']) {
  const dir = mkdtempSync(join(tmpdir(), 'qinghe-content-'));
  try {
    cpSync(content, dir, { recursive: true });
    const path = join(dir, 'books', 'book01.json');
    const book = JSON.parse(readFileSync(path, 'utf8'));
    mutate(book);
    writeFileSync(path, JSON.stringify(book));
    try {
      return { code: 0, out: execFileSync('node', [join(here, 'check.mjs'), ...args], { env: { ...process.env, QINGHE_CONTENT_DIR: dir }, encoding: 'utf8' }) };
    } catch (e) {
      return { code: e.status, out: e.stdout };
    }
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}
const lesson = (b, u, l) => b.units[u].lessons[l];

test('the committed books pass', () => {
  const r = checkWith(() => {});
  assert.equal(r.code, 0, r.out);
});

test('syllable count must match the Han characters', () => {
  const r = checkWith((b) => { lesson(b, 0, 0).text[1].py = 'tiān dì, nǐ wǒ tā.'; });
  assert.equal(r.code, 1);
  assert.match(r.out, /has 6 Han characters but .* has 5 syllables/);
});

test('a reading Unihan does not know is an error', () => {
  const r = checkWith((b) => { lesson(b, 0, 0).chars[0].py = 'tián'; });
  assert.match(r.out, /天: py «tián» is not a reading Unihan knows/);
});

test('a word group reading outside py/py2/py3 is an error', () => {
  const r = checkWith((b) => {
    const c = lesson(b, 4, 2).chars.find((x) => x.zi === '长');
    c.words[1] = { zh: '长大', py: 'zhǎng dà' };
    c.py2 = '';
  });
  assert.match(r.out, /长 words\[1\]: 长 read «zhǎng» in «长大»; list that reading in py2\/py3/);
});

test('the first word group must be unique across the edition', () => {
  const r = checkWith((b) => { lesson(b, 0, 0).chars[1].words[0] = { zh: '天空', py: 'tiān kōng' }; });
  assert.match(r.out, /first word group «天空» is already the first word group/);
});

test('one reading per word text', () => {
  const r = checkWith((b) => { lesson(b, 0, 0).words[1] = { zh: '天地', py: 'tiān de' }; });
  assert.match(r.out, /«天地» read «tiān de» here but «tiān dì»/);
});

test('a character is introduced once', () => {
  const r = checkWith((b) => { lesson(b, 0, 1).chars.push(structuredClone(lesson(b, 0, 0).chars[0])); });
  assert.match(r.out, /天: already introduced in book01.json 1-1/);
});

test('sentences contain the character and respect the length limit', () => {
  const r = checkWith((b) => {
    lesson(b, 0, 0).chars[0].sentence = { zh: '云彩飘过来了。', py: 'yún cai piāo guò lái le.' };
    lesson(b, 0, 0).chars[2].sentence = { zh: '大人带我们一起去很远很远的公园看花。', py: 'dà rén dài wǒ men yì qǐ qù hěn yuǎn hěn yuǎn de gōng yuán kàn huā.' };
  });
  assert.match(r.out, /天 sentence: «云彩飘过来了。» does not contain 天/);
  assert.match(r.out, /人 sentence: 17 characters, at most 15/);
});

test('characters outside the book pool are errors', () => {
  const r = checkWith((b) => { lesson(b, 0, 0).chars[0].zi = '蝴'; lesson(b, 0, 0).chars[0].sentence.zh = '蝴'; });
  assert.match(r.out, /蝴: belongs to the pool of book \d+/);
});

test('unit titles and counts are fixed for book 1', () => {
  const r = checkWith((b) => { b.units[1].title = '拼音(一)'; b.units.pop(); });
  assert.match(r.out, /unit 2: title «拼音\(一\)», expected «汉语拼音\(一\)»/);
  assert.match(r.out, /7 units; book 1 needs 8/);
});

test('lesson size, Latin letters and the word list are checked', () => {
  const r = checkWith((b) => {
    const l = lesson(b, 0, 0);
    l.chars.splice(1, 3);
    l.text[2].zh = '天大, 地大 ok';
    l.words = [{ zh: '你们', py: 'nǐ men' }];
  });
  assert.match(r.out, /1-1 «天地人»: 4 new characters, book 1 needs 6–10/);
  assert.match(r.out, /has digits or Latin letters/);
  assert.match(r.out, /«你们» holds none of the lesson's must-master characters/);
});

test('key points must be non-empty text', () => {
  const r = checkWith((b) => {
    lesson(b, 0, 0).keypoints = 42;
    b.units[1].keypoints = '  ';
  });
  assert.equal(r.code, 1);
  assert.match(r.out, /1-1 «天地人»: "keypoints" must be a non-empty string/);
  assert.match(r.out, /unit 2 «汉语拼音\(一\)»: "keypoints" must be a non-empty string/);
});

test('key points of an unusual length or without a full stop are only warnings', () => {
  const r = checkWith((b) => {
    lesson(b, 0, 1).keypoints = '数一数。';
    b.units[0].keypoints = '这一单元认识天地人，数一数，看图识字'.repeat(12);
    delete lesson(b, 0, 2).keypoints;
  }, ['1']);
  assert.equal(r.code, 0, r.out);
  assert.match(r.out, /warning: 1-2 «一二三»: keypoints has 4 characters; aim for 40–120/);
  assert.match(r.out, /warning: unit 1 «识字\(一\)»: keypoints has 216 characters; aim for 80–200/);
  assert.match(r.out, /warning: unit 1 «识字\(一\)»: keypoints should end with 。！？/);
  assert.doesNotMatch(r.out, /1-3 «日月水火»: keypoints/);
});
