// node report.js OURS.json PEER.json STARTUP_MS...: prints the benchmark table.
'use strict'
const fs = require('fs')
const [oursFile, peerFile, ...startups] = process.argv.slice(2)
const ours = JSON.parse(fs.readFileSync(oursFile, 'utf8'))
const peer = JSON.parse(fs.readFileSync(peerFile, 'utf8'))

const median = {}
for (const b of ours.benchmarks) {
  if (b.aggregate_name !== 'median') continue
  const scale = {ns: 1e-6, us: 1e-3, ms: 1}[b.time_unit]
  median[b.run_name] = b.real_time * scale // milliseconds
}
const ms = (name) => median[name]
const fmt = (v, unit) => unit === 'us' ? `${(v * 1000).toFixed(1)} µs` : `${v.toFixed(2)} ms`
const sorted = startups.map(Number).sort((a, b) => a - b)
const startup = sorted[Math.floor(sorted.length / 2)]

const rows = [
  ['load full-size library (721,919 bytes)', fmt(ms('BM_LoadLibrary'), 'ms'), 'under 5 ms, goal within 1.5x floor'],
  ['floor: read + move + unscramble', fmt(ms('BM_LoadFloor'), 'ms'), `ratio ${(ms('BM_LoadLibrary') / ms('BM_LoadFloor')).toFixed(2)}x`],
  [`peer JS parser, same text (${peer.nodes} nodes)`, fmt(peer.median_ms, 'ms'), `ours is ${(peer.median_ms / ms('BM_LoadLibrary')).toFixed(1)}x faster (goal 20x)`],
  ['stepTo at the deepest node', fmt(ms('BM_StepToDeepest'), 'us'), 'under 50 µs'],
  ['upBranch from the deepest node', fmt(ms('BM_UpBranchFromDeepest'), 'us'), 'under 50 µs'],
  ['resetToRoot', fmt(ms('BM_ResetToRoot'), 'us'), ''],
  ['trial undo with 98 moves', fmt(ms('BM_TrialUndo98'), 'us'), ''],
  ['full frame, 570-line layout', fmt(ms('BM_PaintFullBoard/570'), 'ms'), ''],
  ['full frame, 738-line layout', fmt(ms('BM_PaintFullBoard/738'), 'ms'), ''],
  ['full frame, 1040-line layout', fmt(ms('BM_PaintFullBoard/1040'), 'ms'), 'under 8 ms'],
  ['start-up to first full frame (offscreen)', `${startup} ms`, 'under 400 ms'],
]
const width = Math.max(...rows.map(r => r[0].length))
console.log(`| ${'measure'.padEnd(width)} | time | goal / note |`)
console.log(`|${'-'.repeat(width + 2)}|------|-------------|`)
for (const [name, time, note] of rows) console.log(`| ${name.padEnd(width)} | ${time} | ${note} |`)
