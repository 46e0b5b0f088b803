// Range check: sends numbered packets and counts the replies that the far
// module echoes back (set it up as a repeater), with each round trip's time
// in range-check.csv.
//
//   zomar-cli script docs/scripts/range-check.js --device /dev/ttyUSB0 -- 50
//
// args[0]: the number of packets (default 50); args[1]: how long to wait
// for each reply in ms (default 1000). With a second module on this PC
// (a second --device, or --simulate 2) the script tunes it to the first
// one's channel and RF speed and plays the far end itself.

const count = Number(args[0] || 50);
const wait = Number(args[1] || 1000);

let far = null;
if (devices.length > 1) {
    const near = module.read();
    far = open(devices[1], port.baud);
    far.module.write({channel: near.channel, rf_speed: near.rf_speed});
    log(`far end on ${far.device}, tuned to ${near.frequency_mhz} MHz at ${near.rf_speed}`);
}

const file = csv("range-check", ["packet", "reply", "ms"]);
let replies = 0;
let slowest = 0;
for (let n = 1; n <= count; n++) {
    const packet = `#${String(n).padStart(4, "0")}\r\n`;
    received(); // what came before is not a reply to this one
    const sent = Date.now();
    send(packet);
    if (far) {
        try {
            far.send(far.expect(packet, wait));
        } catch (e) {
            if (e.name !== "TimeoutError")
                throw e;
        }
    }
    let ms = "";
    try {
        expect(packet, wait);
        ms = Date.now() - sent;
        slowest = Math.max(slowest, ms);
        replies++;
    } catch (e) {
        if (e.name !== "TimeoutError")
            throw e;
    }
    file.row(n, ms === "" ? "no" : "yes", ms);
}
log(`range check: ${replies} of ${count} packets came back (${Math.round(100 * replies / count)} %), the slowest in ${slowest} ms`);
if (replies === 0)
    throw new Error("no packet came back: is the far module on, on the same channel and RF speed, and echoing?");
