// Writes a book object in the house layout: 2-space indent, one small object per
// line, a character record on three lines (reading and flags, words, sentence),
// so a reviewer can read a lesson top to bottom and diffs stay small.
const compact = (v) => {
  if (Array.isArray(v)) return v.length ? `[ ${v.map(compact).join(', ')} ]` : '[]';
  if (v && typeof v === 'object') {
    const parts = Object.entries(v).map(([k, x]) => `${JSON.stringify(k)}: ${compact(x)}`);
    return parts.length ? `{ ${parts.join(', ')} }` : '{}';
  }
  return JSON.stringify(v);
};

function charRecord(ch, pad) {
  const head = Object.entries(ch).filter(([k]) => k !== 'words' && k !== 'sentence')
    .map(([k, x]) => `${JSON.stringify(k)}: ${compact(x)}`).join(', ');
  const lines = [`${pad}{ ${head}`];
  if ('words' in ch) lines.push(`${pad}  "words": ${compact(ch.words)}`);
  if ('sentence' in ch) lines.push(`${pad}  "sentence": ${compact(ch.sentence)}`);
  return lines.join(',\n') + ' }';
}

function pretty(v, pad, key) {
  const inner = pad + '  ';
  if (Array.isArray(v)) {
    if (!v.length) return '[]';
    const c = compact(v);
    if (key !== 'chars' && key !== 'text' && key !== 'words' && key !== 'units' && key !== 'lessons' && pad.length + c.length <= 110) return c;
    if (key === 'words' && pad.length + c.length <= 110) return c;
    const items = v.map((x) => (key === 'chars' && x && typeof x === 'object' ? charRecord(x, inner) : inner + pretty(x, inner)));
    return `[\n${items.join(',\n')}\n${pad}]`;
  }
  if (v && typeof v === 'object') {
    const c = compact(v);
    const nested = Object.values(v).some((x) => Array.isArray(x) && x.length && typeof x[0] === 'object');
    if (!nested && pad.length + c.length <= 140) return c;
    const items = Object.entries(v).map(([k, x]) => `${inner}${JSON.stringify(k)}: ${pretty(x, inner, k)}`);
    return `{\n${items.join(',\n')}\n${pad}}`;
  }
  return JSON.stringify(v);
}

// Canonical key orders, so files written by hand and by the tools look alike.
const ORDER = {
  book: ['book', 'title', 'units'],
  unit: ['title', 'lessons'],
  lesson: ['title', 'source', 'focus', 'text', 'chars', 'words'],
  char: ['zi', 'py', 'py2', 'py3', 'must', 'words', 'sentence'],
};
function ordered(obj, keys) {
  const out = {};
  for (const k of keys) if (k in obj) out[k] = obj[k];
  for (const k of Object.keys(obj)) if (!(k in out)) out[k] = obj[k];
  return out;
}
function canonical(book) {
  const b = ordered(book, ORDER.book);
  if (Array.isArray(b.units)) {
    b.units = b.units.map((u) => {
      const uu = ordered(u, ORDER.unit);
      if (Array.isArray(uu.lessons)) {
        uu.lessons = uu.lessons.map((l) => {
          const ll = ordered(l, ORDER.lesson);
          if (Array.isArray(ll.chars)) ll.chars = ll.chars.map((c) => (c && typeof c === 'object' ? ordered(c, ORDER.char) : c));
          return ll;
        });
      }
      return uu;
    });
  }
  return b;
}

export const formatBook = (book) => pretty(canonical(book), '') + '\n';
