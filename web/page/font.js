// The page's serif at a size in pixels (an italic or bold `style` before
// it), with the faces a browser that lacks it falls back to.
export const fontOf = (px, style = '') => `${style}${px}px "EB Garamond", Georgia, serif`;
