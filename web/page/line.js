// The supervisor's page: reads the API every second and shows it. Every text
// from the record goes in as text (textContent), never as markup.
'use strict';

const POLL_MS = 1000;
const LOST_AFTER_MS = 3500;
let lastGood = 0;

function el(tag, text, cls) {
  const e = document.createElement(tag);
  if (text !== undefined && text !== null) e.textContent = String(text);
  if (cls) e.className = cls;
  return e;
}

function percent(v) {
  return v === null || v === undefined ? '–' : (v * 100).toFixed(1) + ' %';
}

function localTime(iso) {
  if (!iso) return '';
  const t = new Date(iso);
  return isNaN(t) ? iso : t.toLocaleString();
}

function ago(seconds) {
  if (seconds === null || seconds === undefined) return 'never heard from';
  if (seconds < 90) return 'last heard ' + seconds + ' s ago';
  if (seconds < 5400) return 'last heard ' + Math.round(seconds / 60) + ' min ago';
  return 'last heard ' + Math.round(seconds / 3600) + ' h ago';
}

async function get(path) {
  const r = await fetch(path, { cache: 'no-store', credentials: 'same-origin' });
  if (r.status === 401) {
    window.location.assign('/login');
    throw new Error('a token is needed');
  }
  const body = await r.json();
  if (!r.ok) throw new Error(body.problem || ('HTTP ' + r.status));
  return { body, problem: r.headers.get('X-Record-Problem') };
}

function station(s) {
  const card = el('article', null, 'station ' + (s.online ? 'online' : 'offline'));
  card.dataset.station = s.name;
  card.append(el('h3', s.name));
  const state = s.online ? 'online' : (s.running ? 'offline' : 'offline (stopped)');
  card.append(el('div', state, 'state'));
  card.append(el('div', ago(s.last_heard_s), 'heard muted'));
  const dl = el('dl');
  const row = (k, v) => { dl.append(el('dt', k)); dl.append(el('dd', v)); };
  if (s.addresses_left !== null) row('Lease', s.addresses_left + ' addresses left');
  if (s.rows_waiting !== null) row('Journal', s.rows_waiting + ' rows waiting' + (s.online ? '' : ' (when last heard)'));
  if (s.shift) {
    row('This shift', s.shift.tested + ' units');
    row('Yield', percent(s.shift.first_pass_yield) + ' first pass, ' + percent(s.shift.final_yield) + ' final');
  }
  card.append(dl);
  if (s.last_failures && s.last_failures.length) {
    card.append(el('div', 'Last failures', 'muted'));
    const ul = el('ul');
    for (const u of s.last_failures) {
      const what = (u.local || 'no address') + ' – ' + (u.message || u.failure || u.state);
      ul.append(el('li', what));
    }
    card.append(ul);
  }
  return card;
}

function showStations(doc) {
  const box = document.getElementById('stations');
  box.replaceChildren(...doc.stations.map(station));
  const online = doc.stations.filter((s) => s.online).length;
  document.getElementById('online').textContent = online + ' of ' + doc.stations.length;
}

function showStats(doc) {
  document.getElementById('tested').textContent = doc.units_tested ?? '–';
  document.getElementById('fpy').textContent = percent(doc.first_pass_yield);
  document.getElementById('yield').textContent = percent(doc.final_yield);
  const uph = doc.units_per_hour;
  document.getElementById('uph').textContent = uph === null || uph === undefined ? '–' : uph.toFixed(1);
}

function showCheck(doc) {
  const band = document.getElementById('findings');
  const list = document.getElementById('finding-list');
  list.replaceChildren(...doc.findings.map((f) => el('li', f)));
  band.hidden = doc.findings.length === 0;
}

function showUnits(doc) {
  const body = document.querySelector('#units tbody');
  body.replaceChildren(...doc.units.map((u) => { // newest first
    const tr = el('tr');
    tr.append(el('td', localTime(u.settled_at || u.reserved_at)));
    tr.append(el('td', u.local || '–'));
    tr.append(el('td', u.station));
    tr.append(el('td', u.by_path || u.device));
    tr.append(el('td', u.operator || '–'));
    tr.append(el('td', u.state, u.state));
    tr.append(el('td', u.state === 'pass' ? '' : (u.message || u.failure)));
    return tr;
  }));
}

function showLost() {
  const band = document.getElementById('lost');
  const since = lastGood ? Math.round((Date.now() - lastGood) / 1000) : null;
  const lost = !lastGood || Date.now() - lastGood > LOST_AFTER_MS;
  band.hidden = !lost;
  if (lost) {
    band.textContent = 'Lost the server' + (since === null ? '' : ': the figures below are ' + since + ' s old') + '. Trying again…';
  }
  document.body.classList.toggle('stale', lost);
}

// Each part on its own: a part the server cannot answer yet leaves the
// others be; only a server that does not answer at all is "lost".
async function part(path, show) {
  try {
    const answer = await get(path);
    show(answer.body);
    lastGood = Date.now();
    return answer;
  } catch (e) {
    if (!(e instanceof TypeError)) lastGood = Date.now(); // it answered, with a problem
    return null;
  }
}

async function poll() {
  const [stations] = await Promise.all([
    part('/api/stations', showStations), part('/api/stats', showStats),
    part('/api/check', showCheck), part('/api/last', showUnits)]);
  const problem = document.getElementById('problem');
  const text = stations ? stations.problem : null;
  problem.hidden = !text;
  problem.textContent = text ? 'The record cannot be read: ' + text : '';
  if (stations) document.getElementById('updated').textContent = 'updated ' + new Date().toLocaleTimeString();
  showLost();
  setTimeout(poll, POLL_MS);
}

poll();
