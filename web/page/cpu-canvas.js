// The screen's canvases, drawn on the CPU in every browser, where a copy
// between them costs its box. A canvas another was drawn from is copied
// whole (up to thirteen megapixels on a large sharp screen) when it is next
// drawn on while that drawing still waits to be rasterised; settling each
// drawing at once lets go of it. On the GPU each settling would be a
// readback, and a browser that saw readbacks would move the canvas to the
// CPU by itself, in the middle of a game.
export const cpuContext = (canvas) => canvas.getContext('2d', { willReadFrequently: true });

// Rasterises what `ctx` was told to draw, now.
export function settle(ctx) {
  ctx.getImageData(0, 0, 1, 1);
}
