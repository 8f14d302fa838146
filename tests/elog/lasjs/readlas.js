// Reads each LAS file named on the command line with the las-js package and prints, as one JSON array,
// what it read: the version and wrap flag, the ~Well items STRT, STOP, STEP and NULL, the curve
// mnemonics and units, how many curves its table keyed by mnemonic kept, and the data rows. A file
// las-js cannot read gives {"path", "error"}.
'use strict';
const { Las } = require('las-js');

async function read(path) {
  const las = new Las(path);
  const well = await las.wellParams();
  const item = name => (well[name] ? { unit: well[name].unit, value: well[name].value } : null);
  // header() keeps every curve in file order; curveParams() is keyed by mnemonic.
  const mnemonics = await las.header();
  const params = await las.curveParams();
  return {
    path,
    version: await las.version(),
    wrap: await las.wrap(),
    well: { STRT: item('STRT'), STOP: item('STOP'), STEP: item('STEP'), NULL: item('NULL') },
    curves: mnemonics.map(m => ({ mnemonic: m, unit: params[m] ? params[m].unit : null })),
    keyed: Object.keys(params).length,
    rows: await las.data(),
  };
}

(async () => {
  const out = [];
  for (const path of process.argv.slice(2)) {
    try {
      out.push(await read(path));
    } catch (e) {
      out.push({ path, error: String(e && e.message ? e.message : e) });
    }
  }
  process.stdout.write(JSON.stringify(out));
})();
