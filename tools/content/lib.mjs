// Shared helpers for the content tools: Unihan and jieba readers, pinyin
// syllable handling and the book-file walker. Dev-only; never used at set-up.
import { execFileSync } from 'node:child_process';
import { readFileSync, existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

export const TOOLS_DIR = dirname(fileURLToPath(import.meta.url));
export const REPO_DIR = resolve(TOOLS_DIR, '..', '..');
// QINGHE_CONTENT_DIR points the tools at another content tree (the tests use a copy).
export const CONTENT_DIR = process.env.QINGHE_CONTENT_DIR || join(REPO_DIR, 'content');
export const PLAN_DIR = join(CONTENT_DIR, 'plan');
export const BOOKS_DIR = join(CONTENT_DIR, 'books');

export const UNIHAN_DIR = process.env.UNIHAN_DIR || '/usr/share/unicode';
export const JIEBA_DICT = process.env.JIEBA_DICT || '/usr/lib/python3/dist-packages/jieba/dict.txt';

export const BOOK_TITLES = [
  '一年级上册', '一年级下册', '二年级上册', '二年级下册', '三年级上册', '三年级下册',
  '四年级上册', '四年级下册', '五年级上册', '五年级下册', '六年级上册', '六年级下册',
];
export const FIXED_UNIT_TITLES = {
  1: ['识字(一)', '汉语拼音(一)', '汉语拼音(二)', '课文(一)', '识字(二)', '课文(二)', '课文(三)', '课文(四)'],
  2: ['识字(一)', '课文(一)', '课文(二)', '课文(三)', '识字(二)', '课文(四)', '课文(五)', '课文(六)'],
};
export const NUMBERED_UNIT_TITLES = ['第一单元', '第二单元', '第三单元', '第四单元', '第五单元', '第六单元', '第七单元', '第八单元'];

export const bookFileName = (n) => `book${String(n).padStart(2, '0')}.json`;
export const poolFileName = (n) => `book${String(n).padStart(2, '0')}.txt`;

// One Han character (CJK ideographs incl. extensions and 〇).
export const HAN_RE = /\p{Script=Han}/u;
export const hanChars = (s) => [...s].filter((c) => HAN_RE.test(c));

// Reads a bzip2-compressed Unihan file and calls fn(char, field, value) per record.
export function readUnihan(name, fields, fn) {
  const path = join(UNIHAN_DIR, `Unihan_${name}.txt.bz2`);
  if (!existsSync(path)) throw new Error(`${path} not found (install the Debian package unicode-data)`);
  const text = execFileSync('bzcat', [path], { maxBuffer: 1 << 30, encoding: 'utf8' });
  for (const line of text.split('\n')) {
    if (!line || line[0] === '#') continue;
    const t1 = line.indexOf('\t');
    const t2 = line.indexOf('\t', t1 + 1);
    const field = line.slice(t1 + 1, t2);
    if (!fields.has(field)) continue;
    const ch = String.fromCodePoint(parseInt(line.slice(2, t1), 16));
    fn(ch, field, line.slice(t2 + 1));
  }
}

// Tone-marked vowels → [base vowel, tone].
const TONED = {
  ā: ['a', 1], á: ['a', 2], ǎ: ['a', 3], à: ['a', 4],
  ē: ['e', 1], é: ['e', 2], ě: ['e', 3], è: ['e', 4],
  ī: ['i', 1], í: ['i', 2], ǐ: ['i', 3], ì: ['i', 4],
  ō: ['o', 1], ó: ['o', 2], ǒ: ['o', 3], ò: ['o', 4],
  ū: ['u', 1], ú: ['u', 2], ǔ: ['u', 3], ù: ['u', 4],
  ǖ: ['ü', 1], ǘ: ['ü', 2], ǚ: ['ü', 3], ǜ: ['ü', 4],
  ḿ: ['m', 2], ń: ['n', 2], ň: ['n', 3], ǹ: ['n', 4],
};

// Splits a tone-marked syllable into its toneless base and tone (0 = neutral).
export function splitTone(syl) {
  let base = '';
  let tone = 0;
  for (const c of syl.normalize('NFC')) {
    if (TONED[c]) { base += TONED[c][0]; tone = TONED[c][1]; } else base += c;
  }
  return { base, tone };
}
export const toneless = (syl) => splitTone(syl).base;

// Letters that may occur in a pinyin syllable as written in our sources.
export const SYL_CHARS = /^[a-zü\u0101\u00e1\u01ce\u00e0\u0113\u00e9\u011b\u00e8\u012b\u00ed\u01d0\u00ec\u014d\u00f3\u01d2\u00f2\u016b\u00fa\u01d4\u00f9\u01d6\u01d8\u01da\u01dc\u1e3f\u0144\u0148\u01f9]+$/u;
// Punctuation allowed in a pinyin line; it is ignored by the syllable count.
export const PY_PUNCT = /[,.!?;:"'()\-—…·]/u;

// Tokenises a pinyin line: syllables are runs of letters; anything else must be
// whitespace or allowed punctuation. Returns { syllables, bad } where bad lists
// characters that belong in neither class.
export function pinyinTokens(py) {
  const syllables = [];
  const bad = [];
  let cur = '';
  for (const c of py.normalize('NFC')) {
    if (/\p{L}/u.test(c)) { cur += c; continue; }
    if (cur) { syllables.push(cur); cur = ''; }
    if (!/\s/u.test(c) && !PY_PUNCT.test(c)) bad.push(c);
  }
  if (cur) syllables.push(cur);
  return { syllables, bad };
}

// Loads every modern Mandarin reading Unihan knows for each character.
// "modern" = kMandarin, kHanyuPinlu, kXHC1983, kTGHZ2013; kHanyuPinyin (which
// also lists classical readings) is used only for characters with none of them.
export function loadReadings() {
  const modern = new Map();
  const classical = new Map();
  const pinlu = new Map(); // char → [[reading, count], ...] in spoken-corpus order
  const mandarin = new Map(); // char → its customary reading (first kMandarin value)
  const add = (m, ch, r) => {
    r = r.normalize('NFC');
    if (!m.has(ch)) m.set(ch, new Set());
    m.get(ch).add(r);
  };
  readUnihan('Readings', new Set(['kMandarin', 'kHanyuPinlu', 'kXHC1983', 'kTGHZ2013', 'kHanyuPinyin']), (ch, f, v) => {
    if (f === 'kMandarin') { v.split(' ').forEach((r) => add(modern, ch, r)); mandarin.set(ch, v.split(' ')[0].normalize('NFC')); }
    else if (f === 'kHanyuPinlu') {
      const list = [];
      for (const m of v.matchAll(/([^\s(]+)\((\d+)\)/gu)) { add(modern, ch, m[1]); list.push([m[1].normalize('NFC'), +m[2]]); }
      pinlu.set(ch, list);
    } else if (f === 'kXHC1983' || f === 'kTGHZ2013') {
      for (const part of v.split(' ')) add(modern, ch, part.slice(part.indexOf(':') + 1));
    } else if (f === 'kHanyuPinyin') {
      for (const part of v.split(' ')) part.slice(part.indexOf(':') + 1).split(',').forEach((r) => add(classical, ch, r));
    }
  });
  const readings = new Map();
  for (const [ch, set] of classical) readings.set(ch, set);
  for (const [ch, set] of modern) readings.set(ch, set);
  // Every base syllable Unihan spells, so a typo like "zhuang1" or "shie" is caught.
  const syllables = new Set();
  for (const set of [...modern.values(), ...classical.values()]) for (const r of set) syllables.add(toneless(r));
  return { readings, modernReadings: modern, pinlu, mandarin, syllables };
}

export function readJson(path) {
  return JSON.parse(readFileSync(path, 'utf8'));
}

// Reads a pool file: first tab-separated field of every non-comment line.
export function readPool(path) {
  const chars = [];
  for (const line of readFileSync(path, 'utf8').split('\n')) {
    if (!line.trim() || line.startsWith('#')) continue;
    chars.push(line.split('\t')[0].trim());
  }
  return chars;
}

// Reads content/overrides.tsv: "char<TAB>reading<TAB>reason" per line.
export function readOverrides(path) {
  const map = new Map();
  const problems = [];
  if (!existsSync(path)) return { map, problems };
  readFileSync(path, 'utf8').split('\n').forEach((line, i) => {
    if (!line.trim() || line.startsWith('#')) return;
    const [ch, reading, reason] = line.split('\t');
    if (!ch || !reading || !reason || !reason.trim()) { problems.push(`line ${i + 1}: needs char, reading and a reason, tab-separated`); return; }
    if (!map.has(ch)) map.set(ch, new Set());
    map.get(ch).add(reading.trim().normalize('NFC'));
  });
  return { map, problems };
}
