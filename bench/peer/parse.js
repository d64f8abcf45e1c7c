// node parse.js FILE [RUNS]: parses the UTF-8 SGF file RUNS times with the
// peer parser and prints the median time in milliseconds.
'use strict'
const fs = require('fs')
const sgf = require('@sabaki/sgf')

const file = process.argv[2]
const runs = Number(process.argv[3] || 15)
const text = fs.readFileSync(file, 'utf8')

const times = []
let nodes = 0
for (let i = 0; i < runs + 2; i++) {
  const start = process.hrtime.bigint()
  const trees = sgf.parse(text)
  const end = process.hrtime.bigint()
  if (i >= 2) times.push(Number(end - start) / 1e6) // the first runs warm the JIT
  const stack = [...trees]
  nodes = 0
  while (stack.length > 0) {
    const node = stack.pop()
    nodes++
    stack.push(...node.children)
  }
}
times.sort((a, b) => a - b)
console.log(JSON.stringify({median_ms: times[Math.floor(times.length / 2)], nodes}))
