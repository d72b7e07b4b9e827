#!/usr/bin/env node
// Checks book files against the edition's content rules.
//
//   node check.mjs            every book file in content/books/
//   node check.mjs 1 3        book01.json and book03.json (edition-wide rules still
//                             look at every other book present)
//   node check.mjs --quiet …  errors only, no warnings
//
// Prints one "file: problem" line per finding ("warning: …" for warnings) and exits
// 1 when there is an error. The generator validates again when it reads the sources;
// this is the writers' quick loop.
import { existsSync, readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  BOOKS_DIR, CONTENT_DIR, PLAN_DIR, BOOK_TITLES, FIXED_UNIT_TITLES, NUMBERED_UNIT_TITLES, HAN_RE,
  bookFileName, poolFileName, hanChars, loadReadings, pinyinTokens, readOverrides, readPool, splitTone, toneless, SYL_CHARS,
} from './lib.mjs';

export const LIMITS = {
  charsPerLesson: (book) => (book === 1 ? [6, 10] : book === 2 ? [7, 12] : [6, 14]),
  sentenceMax: (book) => (book <= 4 ? 15 : 25),
  unitsPerBook: (book) => (book <= 2 ? [8, 8] : book === 12 ? [4, 5] : [4, 8]),
  lessonsPerUnit: [3, 99],
  wordsPerChar: [1, 3],
  editionChars: 1500,
  // Characters (punctuation included) of the key-point notes shown on the lesson and unit cards.
  keypoints: { lesson: [40, 120], unit: [80, 200] },
};
const SANDHI = { 一: ['yí', 'yì'], 不: ['bú'] };
const SOURCE_RE = /^public domain: ([^《》]+·[^《》]+)《([^《》]+)》$/u;
const ZH_FORBIDDEN = /[0-9A-Za-z\uFF10-\uFF19\uFF21-\uFF3A\uFF41-\uFF5A]/u;

export function checkEdition(only, { quiet = false } = {}) {
  const out = [];
  const err = (file, msg) => out.push({ file, msg, error: true });
  const warn = (file, msg) => out.push({ file, msg, error: false });

  const { readings, syllables } = loadReadings();
  const { map: overrides, problems: ovProblems } = readOverrides(join(CONTENT_DIR, 'overrides.tsv'));
  for (const p of ovProblems) err('overrides.tsv', p);
  const known = (c) => new Set([...(readings.get(c) || []), ...(overrides.get(c) || [])]);

  // Pools: disjoint, and each book's characters come from its own pool.
  const pools = new Map();
  const poolOf = new Map();
  const targets = new Map();
  for (let n = 1; n <= 12; n++) {
    const path = join(PLAN_DIR, poolFileName(n));
    if (!existsSync(path)) { err(poolFileName(n), 'pool file missing (run tools/content/pool.mjs)'); continue; }
    const chars = readPool(path);
    pools.set(n, new Set(chars));
    const m = readFileSync(path, 'utf8').match(/^# target: at least (\d+)/m);
    if (m) targets.set(n, Number(m[1]));
    for (const c of chars) {
      if (poolOf.has(c)) err(poolFileName(n), `${c} is also in the pool of book ${poolOf.get(c)}`);
      else poolOf.set(c, n);
    }
  }

  // The top node and the book list the generator starts from.
  const editionPath = join(CONTENT_DIR, 'edition.json');
  if (!existsSync(editionPath)) err('edition.json', 'missing');
  else {
    try {
      const ed = JSON.parse(readFileSync(editionPath, 'utf8'));
      if (ed.title !== '青禾开放版') err('edition.json', `title «${ed.title}», expected «青禾开放版»`);
      const want = Array.from({ length: 12 }, (_, i) => `books/${bookFileName(i + 1)}`);
      if (JSON.stringify(ed.books) !== JSON.stringify(want)) err('edition.json', `books must list ${want[0]} … ${want[11]} in order`);
    } catch (e) { err('edition.json', `not valid JSON: ${e.message}`); }
  }

  const books = new Map();
  for (let n = 1; n <= 12; n++) {
    const path = join(BOOKS_DIR, bookFileName(n));
    if (!existsSync(path)) continue;
    try { books.set(n, JSON.parse(readFileSync(path, 'utf8'))); } catch (e) { err(bookFileName(n), `not valid JSON: ${e.message}`); }
  }
  if (existsSync(BOOKS_DIR)) {
    for (const f of readdirSync(BOOKS_DIR)) if (f.endsWith('.json') && !/^book(0[1-9]|1[0-2])\.json$/.test(f)) err(f, 'unexpected file name (book01.json … book12.json)');
  }

  // Edition-wide registries, filled in reading order (book, unit, lesson).
  const introduced = new Map(); // char → where
  const zuci1 = new Map(); // first word group → where
  const wordPy = new Map(); // word text → [pinyin, where]
  const known_so_far = new Set();

  const pySyllablesOk = (file, where, t, opts = {}) => {
    if (!t || typeof t !== 'object' || typeof t.zh !== 'string' || typeof t.py !== 'string') { err(file, `${where}: needs {"zh", "py"}`); return null; }
    const zh = t.zh;
    if (!zh.trim()) { err(file, `${where}: empty zh`); return null; }
    if (ZH_FORBIDDEN.test(zh)) err(file, `${where}: «${zh}» has digits or Latin letters`);
    if (!t.py.trim()) { err(file, `${where}: «${zh}» has no pinyin (run annotate.mjs, then review)`); return null; }
    if (/[0-9]/.test(t.py)) err(file, `${where}: pinyin «${t.py}» has digits; use tone marks`);
    if (/[\u3400-\u9fff\uff00-\uffef\u3000-\u303f]/u.test(t.py)) err(file, `${where}: pinyin «${t.py}» has Chinese characters or full-width punctuation`);
    const { syllables: syls, bad } = pinyinTokens(t.py);
    if (bad.length) err(file, `${where}: pinyin «${t.py}» has characters that are neither letters nor allowed punctuation: ${[...new Set(bad)].join(' ')}`);
    const chars = hanChars(zh);
    if (chars.length !== syls.length) { err(file, `${where}: «${zh}» has ${chars.length} Han characters but «${t.py}» has ${syls.length} syllables`); return null; }
    const pairs = chars.map((c, i) => [c, syls[i]]);
    pairs.forEach(([c, s], i) => {
      if (s !== s.toLowerCase()) err(file, `${where}: «${s}» should be lower case`);
      if (/v/.test(s)) err(file, `${where}: «${s}»: write ü, not v`);
      if (!SYL_CHARS.test(s) || !syllables.has(toneless(s))) { err(file, `${where}: «${s}» is not a pinyin syllable`); return; }
      const k = known(c);
      if (k.has(s)) return;
      if (SANDHI[c]?.includes(s)) return;
      const { base, tone } = splitTone(s);
      if (tone === 0 && [...k].some((r) => toneless(r) === base)) {
        if (i === 0 && opts.word) err(file, `${where}: «${zh}» starts with a neutral-tone syllable «${s}»`);
        return;
      }
      err(file, `${where}: ${c} read «${s}» in «${zh}», but its known readings are ${[...k].join(' ') || 'none'} (add content/overrides.tsv with a reason if right)`);
    });
    return pairs;
  };

  // The optional key-point note of a unit or lesson: never spoken, so only its type is an
  // error; a note far from the usual length is a warning for the writer.
  const keypointsOk = (E, W, file, at, v, [min, max]) => {
    if (v === undefined) return;
    if (typeof v !== 'string' || !v.trim()) { E(file, `${at}: "keypoints" must be a non-empty string`); return; }
    const n = [...v.trim()].length;
    if (n < min || n > max) W(file, `${at}: keypoints has ${n} characters; aim for ${min}–${max}`);
    if (!/[。！？”]$/u.test(v.trim())) W(file, `${at}: keypoints should end with 。！？`);
  };

  // Readings a character may take where it is taught: its own py/py2/py3, their
  // neutral forms, and the tone changes of 一 and 不.
  const allowed = (ch) => {
    const set = new Set([ch.py, ch.py2, ch.py3].filter(Boolean));
    for (const r of [...set]) set.add(toneless(r));
    for (const s of SANDHI[ch.zi] || []) set.add(s);
    return set;
  };

  for (const [n, book] of books) {
    const file = bookFileName(n);
    const reportThis = !only || only.includes(n);
    const E = reportThis ? err : () => {};
    const W = reportThis ? warn : () => {};
    if (book.book !== n) E(file, `"book" is ${book.book}, expected ${n}`);
    if (book.title !== BOOK_TITLES[n - 1]) E(file, `title «${book.title}», expected «${BOOK_TITLES[n - 1]}»`);
    const units = Array.isArray(book.units) ? book.units : [];
    const [umin, umax] = LIMITS.unitsPerBook(n);
    if (units.length < umin || units.length > umax) E(file, `${units.length} units; book ${n} needs ${umin === umax ? umin : `${umin}–${umax}`}`);
    const expectTitles = FIXED_UNIT_TITLES[n] || NUMBERED_UNIT_TITLES;
    const lessonTitles = new Map();
    let bookChars = 0;
    units.forEach((u, ui) => {
      if (u.title !== expectTitles[ui]) E(file, `unit ${ui + 1}: title «${u.title}», expected «${expectTitles[ui] ?? '(no more units)'}»`);
      keypointsOk(E, W, file, `unit ${ui + 1} «${u.title}»`, u.keypoints, LIMITS.keypoints.unit);
      const lessons = Array.isArray(u.lessons) ? u.lessons : [];
      if (lessons.length < LIMITS.lessonsPerUnit[0] || lessons.length > LIMITS.lessonsPerUnit[1]) E(file, `unit ${ui + 1} «${u.title}»: ${lessons.length} lessons, needs at least ${LIMITS.lessonsPerUnit[0]}`);
      lessons.forEach((l, li) => {
        const at = `${ui + 1}-${li + 1} «${l.title}»`;
        if (typeof l.title !== 'string' || !l.title.trim()) { E(file, `${at}: lesson without title`); return; }
        if (ZH_FORBIDDEN.test(l.title)) E(file, `${at}: title has digits or Latin letters`);
        if (lessonTitles.has(l.title)) W(file, `${at}: same title as lesson ${lessonTitles.get(l.title)}`);
        lessonTitles.set(l.title, `${ui + 1}-${li + 1}`);
        keypointsOk(E, W, file, at, l.keypoints, LIMITS.keypoints.lesson);

        // Source and the leading title / author lines of the text.
        const text = Array.isArray(l.text) ? l.text : [];
        let bodyFrom = 1;
        if (l.source === 'original') { /* our own text */ } else if (typeof l.source === 'string' && SOURCE_RE.test(l.source)) {
          const author = l.source.match(SOURCE_RE)[1];
          if (text[1]?.zh !== author) E(file, `${at}: text[1] must be the author line «${author}»`);
          bodyFrom = 2;
        } else E(file, `${at}: source must be "original" or "public domain: 朝代·作者《题目》"`);
        if (text[0]?.zh !== l.title) E(file, `${at}: text[0] must be the title line «${l.title}»`);
        if (text.length <= bodyFrom) E(file, `${at}: the text has no body`);
        const textPairs = [];
        text.forEach((t, i) => { const p = reportThis ? pySyllablesOk(file, `${at} text[${i}]`, t) : null; if (p) textPairs.push(...p); });
        if (l.focus !== undefined && (!Array.isArray(l.focus) || l.focus.some((f) => typeof f !== 'string' || !/^[a-zü]+$/.test(f)))) E(file, `${at}: focus must be a list of toneless pinyin parts`);

        // New characters.
        const chars = Array.isArray(l.chars) ? l.chars : [];
        const [cmin, cmax] = LIMITS.charsPerLesson(n);
        if (chars.length < cmin || chars.length > cmax) E(file, `${at}: ${chars.length} new characters, book ${n} needs ${cmin}–${cmax}`);
        bookChars += chars.length;
        const bodyChars = new Set(text.slice(bodyFrom).flatMap((t) => hanChars(t?.zh || '')).concat(hanChars(l.title)));
        const must = new Set();
        for (const ch of chars) {
          const cat = `${at} ${ch?.zi ?? '?'}`;
          if (!ch || typeof ch.zi !== 'string' || [...ch.zi].length !== 1 || !HAN_RE.test(ch.zi)) { E(file, `${at}: a character record needs "zi" with one Han character`); continue; }
          const zi = ch.zi;
          if (introduced.has(zi)) E(file, `${cat}: already introduced in ${introduced.get(zi)}`);
          else introduced.set(zi, `${file} ${at}`);
          known_so_far.add(zi);
          if (!reportThis) { registerWords(ch, l, file, at); continue; }
          if (!poolOf.has(zi)) E(file, `${cat}: not in any pool (claim it through content/plan/adjust.tsv)`);
          else if (poolOf.get(zi) !== n) E(file, `${cat}: belongs to the pool of book ${poolOf.get(zi)}`);
          if (typeof ch.must !== 'boolean') E(file, `${cat}: "must" must be true or false`);
          if (ch.must) must.add(zi);
          const k = known(zi);
          for (const key of ['py', 'py2', 'py3']) {
            const v = ch[key];
            if (typeof v !== 'string') { E(file, `${cat}: "${key}" must be a string ("" when none)`); continue; }
            if (key === 'py' && !v) { E(file, `${cat}: no reading (run annotate.mjs, then review)`); continue; }
            if (v && !/^\S+$/.test(v)) E(file, `${cat}: ${key} «${v}» must be one syllable`);
            else if (v && !k.has(v)) E(file, `${cat}: ${key} «${v}» is not a reading Unihan knows (${[...k].join(' ')}); add content/overrides.tsv with a reason if right`);
          }
          if (ch.py3 && !ch.py2) E(file, `${cat}: py3 without py2`);
          const rs = [ch.py, ch.py2, ch.py3].filter(Boolean);
          if (new Set(rs).size !== rs.length) E(file, `${cat}: the same reading twice`);
          const ok = allowed(ch);
          const words = Array.isArray(ch.words) ? ch.words : [];
          if (words.length < LIMITS.wordsPerChar[0] || words.length > LIMITS.wordsPerChar[1]) E(file, `${cat}: ${words.length} word groups, needs 1–3`);
          const wtexts = new Set();
          words.forEach((w, i) => {
            const wat = `${cat} words[${i}]`;
            const pairs = pySyllablesOk(file, wat, w, { word: true });
            if (!w || typeof w.zh !== 'string') return;
            if (hanChars(w.zh).length < 2) E(file, `${wat}: «${w.zh}» is shorter than two characters`);
            if (hanChars(w.zh).length !== [...w.zh].length) E(file, `${wat}: «${w.zh}» must be Han characters only`);
            if (!w.zh.includes(zi)) E(file, `${wat}: «${w.zh}» does not contain ${zi}`);
            if (wtexts.has(w.zh)) E(file, `${wat}: «${w.zh}» given twice`);
            wtexts.add(w.zh);
            pairs?.forEach(([c, s]) => { if (c === zi && !ok.has(s)) E(file, `${wat}: ${zi} read «${s}» in «${w.zh}»; list that reading in py2/py3 or fix the word`); });
          });
          const s = ch.sentence;
          const spairs = pySyllablesOk(file, `${cat} sentence`, s);
          if (s && typeof s.zh === 'string') {
            if (!s.zh.includes(zi)) E(file, `${cat} sentence: «${s.zh}» does not contain ${zi}`);
            const len = hanChars(s.zh).length;
            if (len > LIMITS.sentenceMax(n)) E(file, `${cat} sentence: ${len} characters, at most ${LIMITS.sentenceMax(n)} in book ${n}`);
            if (!/[。！？”]$/u.test(s.zh)) W(file, `${cat} sentence: «${s.zh}» should end with 。！？`);
            spairs?.forEach(([c, y]) => { if (c === zi && !ok.has(y)) E(file, `${cat} sentence: ${zi} read «${y}»; list that reading in py2/py3 or fix the sentence`); });
          }
          textPairs.forEach(([c, y]) => { if (c === zi && !ok.has(y)) E(file, `${cat}: read «${y}» in the lesson text; list that reading in py2/py3 or fix the text`); });
          if (!bodyChars.has(zi)) W(file, `${cat}: does not appear in the lesson text`);
          registerWords(ch, l, file, at);
        }
        if (reportThis && chars.length && !must.size) E(file, `${at}: no must-master character`);

        // The lesson's words to write.
        const lw = Array.isArray(l.words) ? l.words : [];
        if (reportThis && !lw.length) E(file, `${at}: empty word list`);
        lw.forEach((w, i) => {
          const wat = `${at} words[${i}]`;
          if (reportThis) pySyllablesOk(file, wat, w, { word: true });
          if (!w || typeof w.zh !== 'string') return;
          registerWord(w, file, wat);
          if (!reportThis) return;
          if (hanChars(w.zh).length < 2 || hanChars(w.zh).length !== [...w.zh].length) E(file, `${wat}: «${w.zh}» must be two or more Han characters`);
          if (![...w.zh].some((c) => must.has(c))) E(file, `${wat}: «${w.zh}» holds none of the lesson's must-master characters`);
          const unknown = [...w.zh].filter((c) => !known_so_far.has(c));
          if (unknown.length) W(file, `${wat}: «${w.zh}» uses ${unknown.join('')}, not introduced yet`);
        });
      });
    });
    if (targets.has(n) && bookChars < targets.get(n)) W(file, `${bookChars} new characters; the plan's target for book ${n} is ${targets.get(n)}`);
  }

  function registerWords(ch, l, file, at) {
    const words = Array.isArray(ch.words) ? ch.words : [];
    const first = words[0];
    if (first && typeof first.zh === 'string') {
      if (zuci1.has(first.zh)) {
        const [, otherFile, other] = zuci1.get(first.zh);
        if (!only || only.includes(Number(file.slice(4, 6))) || only.includes(Number(otherFile.slice(4, 6)))) err(file, `${at} ${ch.zi}: first word group «${first.zh}» is already the first word group of ${other} (its sentence recording would collide)`);
      } else zuci1.set(first.zh, [ch.zi, file, `${file} ${at} ${ch.zi}`]);
    }
    words.forEach((w, i) => { if (w && typeof w.zh === 'string') registerWord(w, file, `${at} ${ch.zi} words[${i}]`); });
  }
  function registerWord(w, file, where) {
    if (typeof w.py !== 'string' || !w.py) return;
    const norm = w.py.normalize('NFC').trim().replace(/\s+/g, ' ');
    const prev = wordPy.get(w.zh);
    if (!prev) { wordPy.set(w.zh, [norm, file, where]); return; }
    if (prev[0] !== norm && (!only || only.includes(Number(file.slice(4, 6))) || only.includes(Number(prev[1].slice(4, 6))))) {
      err(file, `${where}: «${w.zh}» read «${norm}» here but «${prev[0]}» at ${prev[1]} ${prev[2]} (one reading per word text)`);
    }
  }

  if (books.size === 12) {
    if (introduced.size < LIMITS.editionChars) err('edition', `${introduced.size} distinct new characters, needs at least ${LIMITS.editionChars}`);
  }
  const summary = `${books.size} book file(s), ${introduced.size} new characters so far (edition needs ${LIMITS.editionChars})`;
  return { findings: quiet ? out.filter((f) => f.error) : out, summary };
}

function main() {
  const args = process.argv.slice(2);
  const quiet = args.includes('--quiet');
  const only = args.filter((a) => !a.startsWith('--')).map((a) => Number(String(a).replace(/\D/g, ''))).filter((n) => n >= 1 && n <= 12);
  const { findings, summary } = checkEdition(only.length ? only : null, { quiet });
  let errors = 0;
  for (const f of findings) {
    if (f.error) errors++;
    console.log(`${f.file}: ${f.error ? '' : 'warning: '}${f.msg}`);
  }
  const warnings = findings.length - errors;
  console.log(`${summary}; ${errors} error(s), ${warnings} warning(s)`);
  process.exit(errors ? 1 : 0);
}

if (import.meta.url === `file://${process.argv[1]}`) main();
