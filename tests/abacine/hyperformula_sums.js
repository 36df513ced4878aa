// The column-sums workload on HyperFormula, for the engine's benchmark to
// set beside its own: a 1,000-cell column and 1,000 sums over it. Each timed
// step changes one cell of the column, which recalculates every sum.
// Usage: node hyperformula_sums.js <node_modules folder> <timed steps>
// Prints one step's time in seconds per line.
'use strict';
const path = require('path');
const { HyperFormula } = require(path.join(process.argv[2], 'hyperformula'));

const cells = 1000;
const steps = Number(process.argv[3]);
const warmup = 20;

const rows = [];
for (let i = 0; i < cells; ++i)
    rows.push([1, `=SUM(A$1:A$${cells})`]);
const hf = HyperFormula.buildFromArray(rows, { licenseKey: 'gpl-v3' });

const times = [];
for (let step = 0; step < warmup + steps; ++step) {
    const value = step + 2; // never the value the cell holds
    const start = process.hrtime.bigint();
    hf.setCellContents({ sheet: 0, col: 0, row: 0 }, [[value]]);
    const end = process.hrtime.bigint();
    const sum = hf.getCellValue({ sheet: 0, col: 1, row: cells - 1 });
    if (sum !== cells - 1 + value) {
        console.error(`wrong sum ${sum}`);
        process.exit(1);
    }
    if (step >= warmup)
        times.push(Number(end - start) / 1e9);
}
console.log(times.join('\n'));
