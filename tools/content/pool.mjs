#!/usr/bin/env node
// Builds the ranked candidate list and the per-book character pools.
//
//   node pool.mjs              writes content/plan/ranked.tsv and content/plan/book01.txt … book12.txt
//   node pool.mjs --stdout     prints the pools' sizes only, writes nothing
//   node pool.mjs --settle N…  appends to adjust.tsv what makes the pools of the finished
//                              books N… exactly their characters, then rewrites the pools
//
// Candidates are the 3,500 level-1 characters of the 通用规范汉字表 (Unihan kTGH).
// Difficulty = school grade (kGradeLevel, through the traditional form when the
// simplified one has none) + a frequency penalty (jieba) + a small stroke penalty,
// so a frequent, simple first-grade character comes first. The easiest 1,898 are
// cut into twelve disjoint pools in that order; content/plan/adjust.tsv then moves
// single characters between pools (or claims them from the rest) by hand.
import { readFileSync, writeFileSync, appendFileSync, mkdirSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import { readUnihan, loadReadings, readJson, JIEBA_DICT, PLAN_DIR, BOOKS_DIR, hanChars, poolFileName, bookFileName, BOOK_TITLES } from './lib.mjs';

// Pool sizes per book and the least number of new characters each book should
// introduce (the sum of the targets keeps the edition above 1,500 characters).
const POOL_SIZES = [185, 185, 220, 220, 136, 136, 136, 136, 136, 136, 136, 136];
const TARGETS = [160, 170, 190, 190, 105, 105, 105, 105, 105, 105, 105, 105];
const LEVEL1 = 3500;
const NO_GRADE = 6.5; // characters missing from the school list come after grade 6
// The school list misses or misplaces some everyday characters (书 has no grade,
// 天 is put in grade 4); Unihan's own frequency class caps how late they may come.
const KFREQ_GRADE = { 1: 1.5, 2: 2.5, 3: 3.5, 4: 5, 5: 6 };
const effectiveGrade = (c) => Math.min(c.grade ?? NO_GRADE, KFREQ_GRADE[c.kfreq] ?? NO_GRADE);

function build() {
  const tgh = new Map();
  const grade = new Map();
  const kfreq = new Map();
  const trad = new Map();
  const strokes = new Map();
  readUnihan('OtherMappings', new Set(['kTGH']), (c, f, v) => tgh.set(c, +v.split(' ')[0].split(':')[1]));
  readUnihan('DictionaryLikeData', new Set(['kGradeLevel', 'kFrequency']), (c, f, v) => (f === 'kGradeLevel' ? grade : kfreq).set(c, +v));
  readUnihan('Variants', new Set(['kTraditionalVariant']), (c, f, v) =>
    trad.set(c, v.split(' ').map((u) => String.fromCodePoint(parseInt(u.slice(2), 16)))));
  readUnihan('IRGSources', new Set(['kTotalStrokes']), (c, f, v) => strokes.set(c, +v.split(' ')[0]));
  const { modernReadings, pinlu } = loadReadings();

  // Character frequency = sum of the jieba frequencies of the words holding it.
  const freq = new Map();
  for (const line of readFileSync(JIEBA_DICT, 'utf8').split('\n')) {
    const [w, f] = line.split(' ');
    if (!f) continue;
    for (const c of hanChars(w)) freq.set(c, (freq.get(c) || 0) + Number(f));
  }
  // The school list and kFrequency describe traditional forms; take the easiest
  // value among the simplified character and its traditional forms.
  const viaTrad = (m, c) => {
    let v = m.get(c);
    for (const t of trad.get(c) || []) if (m.has(t)) v = Math.min(v ?? Infinity, m.get(t));
    return v ?? null;
  };
  const cands = [...tgh].filter(([, n]) => n <= LEVEL1).map(([c, n]) => ({
    char: c, tgh: n, freq: freq.get(c) || 0, grade: viaTrad(grade, c), kfreq: viaTrad(kfreq, c), strokes: strokes.get(c) || 0,
  }));
  [...cands].sort((a, b) => b.freq - a.freq || a.tgh - b.tgh).forEach((c, i) => { c.freqRank = i + 1; });
  for (const c of cands) {
    c.score = effectiveGrade(c) + 1.2 * (c.freqRank / LEVEL1) + 0.025 * c.strokes;
    // Readings in spoken-corpus order first, then the dictionary readings.
    const rs = (pinlu.get(c.char) || []).map(([r]) => r);
    for (const r of modernReadings.get(c.char) || []) if (!rs.includes(r)) rs.push(r);
    c.readings = rs;
  }
  cands.sort((a, b) => a.score - b.score || a.freqRank - b.freqRank);
  cands.forEach((c, i) => { c.rank = i + 1; c.book = 0; });

  let at = 0;
  POOL_SIZES.forEach((size, i) => { for (let k = 0; k < size; k++) cands[at++].book = i + 1; });

  const byChar = new Map(cands.map((c) => [c.char, c]));
  const { problems, notes } = applyAdjustments(byChar);
  return { cands, problems, notes };
}

// content/plan/adjust.tsv: "char<TAB>book<TAB>reason"; book 0 returns the
// character to the unassigned rest. Lines apply in order, so a later line for
// the same character wins (a note says so: two writers may have claimed it).
function applyAdjustments(byChar) {
  const path = join(PLAN_DIR, 'adjust.tsv');
  const problems = [];
  const notes = [];
  if (!existsSync(path)) return { problems, notes };
  const seen = new Map();
  readFileSync(path, 'utf8').split('\n').forEach((line, i) => {
    if (!line.trim() || line.startsWith('#')) return;
    const [ch, book, reason] = line.split('\t').map((s) => (s ?? '').trim());
    const where = `adjust.tsv:${i + 1}`;
    const n = Number(book);
    if (!byChar.has(ch)) { problems.push(`${where}: ${ch} is not a level-1 character of the ranked list`); return; }
    if (!Number.isInteger(n) || n < 0 || n > 12) { problems.push(`${where}: book must be 0..12`); return; }
    if (!reason) { problems.push(`${where}: give a reason`); return; }
    if (seen.has(ch)) notes.push(`${where}: ${ch} adjusted again (line ${seen.get(ch)} before)`);
    seen.set(ch, i + 1);
    byChar.get(ch).book = n;
  });
  return { problems, notes };
}

// Makes the pools of finished books exactly their characters: characters they
// introduce move in, characters they leave unused go, easiest first, in turn
// to the next two books after the last settled one.
function settle(cands, books) {
  const lines = [];
  const used = new Map();
  for (const n of books) {
    const book = readJson(join(BOOKS_DIR, bookFileName(n)));
    for (const u of book.units || []) for (const l of u.lessons || []) for (const ch of l.chars || []) used.set(ch.zi, [n, l.title]);
  }
  const byChar = new Map(cands.map((c) => [c.char, c]));
  for (const [zi, [n, title]] of used) {
    const c = byChar.get(zi);
    if (c && c.book !== n) { lines.push(`${zi}\t${n}\tintroduced in book ${n} «${title}» (from ${c.book ? `book ${c.book}` : 'the rest'})`); c.book = n; }
  }
  const next = Math.max(...books) + 1;
  const targets = [next, next + 1].filter((b) => b <= 12);
  let k = 0;
  for (const c of cands) {
    if (!books.includes(c.book) || used.has(c.char) || !targets.length) continue;
    const to = targets[k++ % targets.length];
    lines.push(`${c.char}\t${to}\tnot used by book ${c.book}`);
    c.book = to;
  }
  if (lines.length) appendFileSync(join(PLAN_DIR, 'adjust.tsv'), lines.join('\n') + '\n');
  return lines.length;
}

function write(cands) {
  mkdirSync(PLAN_DIR, { recursive: true });
  const head = '# rank\tchar\tfreq\tfreq_rank\ttgh\ttgh_level\tgrade\tkfrequency\tstrokes\treadings\tbook\n';
  const rows = cands.map((c) => [c.rank, c.char, c.freq, c.freqRank, c.tgh, c.tgh <= LEVEL1 ? 1 : 2,
    c.grade ?? '', c.kfreq ?? '', c.strokes, c.readings.join(' '), c.book || ''].join('\t'));
  writeFileSync(join(PLAN_DIR, 'ranked.tsv'),
    '# Derived (modified) data, generated by tools/content/pool.mjs from Unihan 15.0 (Unicode licence,\n' +
    '# content/LICENSES/Unicode.txt) and the jieba dictionary (MIT, content/LICENSES/jieba-MIT.txt).\n' +
    '# freq = sum of jieba word frequencies of the words holding the character; grade = kGradeLevel\n' +
    '# (via the traditional form where needed); book = the pool the character is planned for.\n' +
    head + rows.join('\n') + '\n');
  for (let b = 1; b <= 12; b++) {
    const mine = cands.filter((c) => c.book === b);
    const lines = mine.map((c) => `${c.char}\t${c.rank}\t${c.readings.join(' ')}\t${c.grade ?? '-'}`);
    writeFileSync(join(PLAN_DIR, poolFileName(b)),
      `# Pool of book ${b} (${BOOK_TITLES[b - 1]}): ${mine.length} characters, easiest first.\n` +
      `# target: at least ${TARGETS[b - 1]} new characters\n` +
      '# Generated by tools/content/pool.mjs from Unihan and jieba data (see content/LICENSES/);\n' +
      '# change it through content/plan/adjust.tsv, never by hand.\n' +
      '# char\trank\treadings\tgrade\n' + lines.join('\n') + '\n');
  }
}

const { cands, problems, notes } = build();
for (const p of problems) console.error(p);
if (problems.length) process.exit(1);
for (const n of notes) console.log(n);
const si = process.argv.indexOf('--settle');
if (si >= 0) {
  const books = process.argv.slice(si + 1).map(Number).filter((n) => n >= 1 && n <= 12);
  if (!books.length) { console.error('usage: node pool.mjs --settle BOOK_NUMBER…'); process.exit(2); }
  console.log(`settle: ${settle(cands, books)} line(s) appended to content/plan/adjust.tsv`);
}
const sizes = Array.from({ length: 12 }, (_, i) => cands.filter((c) => c.book === i + 1).length);
if (!process.argv.includes('--stdout')) write(cands);
console.log(`pools: ${sizes.join(' ')} (total ${sizes.reduce((a, b) => a + b, 0)}); ranked: ${cands.length}`);
