#!/usr/bin/env node
// Fills the empty pinyin fields of book files with pinyin-pro and lists every
// polyphonic character it annotated, for review by hand.
//
//   node annotate.mjs 1 2                  annotate content/books/book01.json and book02.json in place
//   node annotate.mjs --dry-run path.json  print what would change, write nothing
//
// A field already filled is never touched, so reviewed readings survive a re-run.
// Whole texts are converted at once so pinyin-pro can use the context (长大 zhǎng,
// 长短 cháng). A character's own "py" comes from where the child meets it: the
// lesson text first, then its first word group, then its sentence.
import { readFileSync, writeFileSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import { pinyin, customPinyin } from 'pinyin-pro';
import { BOOKS_DIR, CONTENT_DIR, HAN_RE, bookFileName, loadReadings, splitTone, toneless, pinyinTokens } from './lib.mjs';
import { formatBook } from './format.mjs';

// content/lexicon.tsv: words whose reading pinyin-pro gets wrong (得 after a verb,
// neutral tones, 长 in 长高 …); shared so every writer's run profits from a fix.
export function loadLexicon(path = join(CONTENT_DIR, 'lexicon.tsv')) {
  const map = {};
  if (!existsSync(path)) return map;
  for (const line of readFileSync(path, 'utf8').split('\n')) {
    if (!line.trim() || line.startsWith('#')) continue;
    const [word, py] = line.split('\t');
    if (word && py) map[word.trim()] = py.trim().normalize('NFC');
  }
  return map;
}

const PUNCT = { '，': ',', '。': '.', '！': '!', '？': '?', '、': ',', '；': ';', '：': ':', '“': '"', '”': '"', '‘': "'", '’': "'",
  '（': '(', '）': ')', '—': '—', '…': '…', '·': '·', '《': '"', '》': '"', '「': '"', '」': '"', ',': ',', '.': '.', '!': '!', '?': '?' };

const OPENING = new Set(['“', '‘', '（', '《', '「', '(']);

// Converts one Chinese text to our pinyin line: one syllable per Han character,
// separated by spaces; punctuation in ASCII form, closing marks attached to the
// syllable before, opening quotes and brackets to the syllable after.
export function toPinyin(zh) {
  const items = pinyin(zh, { type: 'all', toneSandhi: true, v: false });
  let out = '';
  let glue = true; // no space before the next syllable
  for (const it of items) {
    if (HAN_RE.test(it.origin)) {
      out += (glue ? '' : ' ') + it.pinyin;
      glue = false;
    } else if (OPENING.has(it.origin)) {
      out += (out ? ' ' : '') + PUNCT[it.origin];
      glue = true;
    } else if (PUNCT[it.origin] !== undefined && it.origin !== '·') {
      out += PUNCT[it.origin];
    }
  }
  return out.trim();
}

// Pairs each Han character of zh with its syllable in py (null when the counts differ).
export function align(zh, py) {
  const chars = [...zh].filter((c) => HAN_RE.test(c));
  const { syllables } = pinyinTokens(py);
  if (chars.length !== syllables.length) return null;
  return chars.map((c, i) => [c, syllables[i]]);
}

function main() {
  customPinyin(loadLexicon());
  const args = process.argv.slice(2);
  const dry = args.includes('--dry-run');
  const files = args.filter((a) => !a.startsWith('--')).map((a) => (/^\d+$/.test(a) ? join(BOOKS_DIR, bookFileName(+a)) : a));
  if (!files.length) { console.error('usage: node annotate.mjs [--dry-run] BOOK_NUMBER|FILE ...'); process.exit(2); }
  const { modernReadings, pinlu, mandarin } = loadReadings();
  const isPoly = (c) => distinctReadings(modernReadings.get(c)).length > 1;
  const readingsOf = (c) => [...(modernReadings.get(c) || [])].join(' ');

  for (const file of files) {
    if (!existsSync(file)) { console.error(`${file}: not found`); process.exitCode = 1; continue; }
    const book = JSON.parse(readFileSync(file, 'utf8'));
    const name = file.split('/').pop();
    let filled = 0;
    const review = [];
    const fill = (obj, where) => {
      if (!obj || typeof obj.zh !== 'string' || (obj.py ?? '') !== '') return;
      obj.py = toPinyin(obj.zh);
      filled++;
      const pairs = align(obj.zh, obj.py) || [];
      const polys = pairs.filter(([c]) => isPoly(c)).map(([c, s]) => `${c}(${s})`);
      if (polys.length) review.push(`${name}: ${where} «${obj.zh}» ${obj.py} — check ${polys.join(' ')}`);
    };
    (book.units || []).forEach((u, ui) => (u.lessons || []).forEach((l, li) => {
      const at = `${ui + 1}-${li + 1} ${l.title}`;
      (l.text || []).forEach((t, i) => fill(t, `${at} text[${i}]`));
      for (const ch of l.chars || []) {
        (ch.words || []).forEach((w, i) => fill(w, `${at} ${ch.zi} words[${i}]`));
        fill(ch.sentence, `${at} ${ch.zi} sentence`);
      }
      (l.words || []).forEach((w, i) => fill(w, `${at} words[${i}]`));
      for (const ch of l.chars || []) {
        if ((ch.py ?? '') === '') {
          ch.py = charReading(ch, l, modernReadings, pinlu, mandarin);
          filled++;
          if (isPoly(ch.zi)) review.push(`${name}: ${at} char ${ch.zi} py ${ch.py} — readings ${readingsOf(ch.zi)}`);
        }
        // py2/py3 are never guessed: Unihan also lists literary and rare readings a
        // child should not be shown. Absent fields become "" and the other
        // readings are listed, so the writer adds the ones pupils really meet.
        if (!('py2' in ch) || !('py3' in ch)) {
          if (!('py2' in ch)) { ch.py2 = ''; filled++; }
          if (!('py3' in ch)) { ch.py3 = ''; filled++; }
          const others = otherReadings(ch.zi, ch.py, modernReadings, pinlu);
          if (others.length) review.push(`${name}: ${at} char ${ch.zi} has other readings ${others.join(' ')}; fill py2/py3 for those pupils meet`);
        }
      }
    }));
    for (const r of review) console.log(r);
    console.log(`${name}: ${filled} field(s) filled, ${review.length} polyphone line(s) to review${dry ? ' (dry run, not written)' : ''}`);
    if (!dry && filled) writeFileSync(file, formatBook(book));
  }
}

// The character's reading where the child meets it, in citation form: the tone
// changes of 一 and 不 are undone, and a neutral syllable takes the character's
// toned reading unless Unihan lists the toneless one itself (们 men, 的 de).
function charReading(ch, lesson, modern, pinlu, mandarin) {
  const r0 = (r) => (mandarin.get(ch.zi) === r ? 0 : 1);
  const contexts = [...(lesson.text || []), ...(ch.words || []), ch.sentence].filter(Boolean);
  let syl = null;
  for (const t of contexts) {
    const pairs = t.py ? align(t.zh, t.py) : null;
    const hit = pairs?.find(([c]) => c === ch.zi);
    if (hit) { syl = hit[1]; break; }
  }
  if (!syl) syl = pinyin(ch.zi);
  if (ch.zi === '一') return 'yī';
  if (ch.zi === '不') return 'bù';
  const known = modern.get(ch.zi) || new Set();
  const base = toneless(syl);
  const counts = new Map(pinlu.get(ch.zi) || []);
  if (splitTone(syl).tone === 0 && mandarin.get(ch.zi) !== syl) {
    // Unstressed here (喜欢 xǐ huan): teach the toned reading, unless the
    // customary reading is the neutral one itself (吧 ba, 呢 ne).
    const toned = [...known].filter((r) => toneless(r) === base && splitTone(r).tone !== 0)
      .sort((a, b) => (r0(a) - r0(b)) || (counts.get(b) || 0) - (counts.get(a) || 0))[0];
    if (toned) return toned;
  }
  if (known.has(syl)) return syl;
  const order = [...counts.keys()].concat([...known]);
  return order.find((r) => toneless(r) === base && splitTone(r).tone !== 0) || order.find((r) => toneless(r) === base) || syl;
}

// A neutral reading whose base also has a toned reading (天 tian beside tiān) is
// only that reading unstressed, not another reading of the character.
export function distinctReadings(set) {
  const rs = [...(set || [])];
  return rs.filter((r) => splitTone(r).tone !== 0 || !rs.some((o) => o !== r && toneless(o) === toneless(r)));
}

function otherReadings(zi, py, modern, pinlu) {
  const real = new Set(distinctReadings(modern.get(zi)));
  const order = (pinlu.get(zi) || []).map(([r]) => r).concat([...real]).filter((r) => real.has(r));
  const out = [];
  for (const r of order) if (r !== py && toneless(r) !== toneless(py) || (r !== py && splitTone(r).tone && splitTone(py).tone)) { if (r !== py && !out.includes(r)) out.push(r); }
  return out;
}

if (import.meta.url === `file://${process.argv[1]}`) main();
