// Soak test: writes the module again and again, each write verified by
// reading it back, and logs every cycle (on the screen and in soak.csv).
//
//   zomar-cli script docs/scripts/soak.js --device /dev/ttyUSB0 -- 100
//
// args[0]: the number of cycles (default 100). The TX power steps through
// its eight values; the module gets its own power back at the end.

const cycles = Number(args[0] || 100);
const powers = ["0 dBm", "-3 dBm", "-6 dBm", "-9 dBm", "-12 dBm", "-15 dBm", "-18 dBm", "-21 dBm"];

const start = module.read();
log(`soak: ${cycles} cycles on ${port.device}, the module at ${start.frequency_mhz} MHz, ${start.tx_power}`);
const file = csv("soak", ["cycle", "tx_power", "read_back", "result", "ms"]);

let failures = 0;
for (let cycle = 1; cycle <= cycles; cycle++) {
    const power = powers[cycle % powers.length];
    const began = Date.now();
    let readBack = "";
    let result = "ok";
    try {
        // Reads, writes the change and reads back: a differing read-back
        // throws with e.outcome "mismatch".
        readBack = module.write({tx_power: power}).tx_power;
    } catch (e) {
        if (e.name !== "ModuleError")
            throw e;
        result = e.outcome;
        failures++;
    }
    file.row(cycle, power, readBack, result, Date.now() - began);
    log(`cycle ${cycle}: ${power} -> ${result}`);
}

module.write({tx_power: start.tx_power});
log(`soak: ${cycles - failures} of ${cycles} cycles verified; the module is back at ${start.tx_power}`);
if (failures > 0)
    throw new Error(`${failures} of ${cycles} cycles failed (see soak.csv)`);
