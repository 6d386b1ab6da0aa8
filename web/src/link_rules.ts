// What a share link may carry, by the same rule breathlab-cli's --set
// applies: a percentage in plain decimals ("250", "0.5", "1e3"; no "+", no
// hex, no blanks, no "Infinity") that a record's single-precision number
// holds, from its smallest normal value to its largest. The page's own
// sliders floor what they show; the link only refuses what the core refuses.
// The bounds are the exact single-precision limits: the rounded decimals
// 1.17549435e-38 and 3.40282347e38 lie just outside them, and the CLI refuses
// those two texts.
export const kSmallestStoredPercent = 2 ** -126;
export const kLargestStoredPercent = (2 - 2 ** -23) * 2 ** 127;

const kPlainDecimal = /^-?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$/;

export function parseLinkPercent(text: string): number | null {
  if (!kPlainDecimal.test(text)) return null;
  const value = Number(text);
  return value >= kSmallestStoredPercent && value <= kLargestStoredPercent ? value : null;
}

// A part of the fragment with its percent-encoding undone, or null when the
// encoding is broken ("%zz", a cut UTF-8 sequence): such a part is reported,
// never allowed to stop the page.
export function decodeLinkPart(part: string): string | null {
  try {
    return decodeURIComponent(part);
  } catch {
    return null;
  }
}
