// Trevik AP map page script. The file starts with a UTF-8 byte-order mark:
// the page is UTF-16, and without the mark the browser would read this file
// as UTF-16 too.
//
// The page that the program writes defines the data (map_center_lat,
// map_center_lng, op_mode, map_mode, zoom_value, arrows_rte, dst_pts, wpt_pts,
// rte_max_pts, rte_pts, trk_lines) and calls createMap when it has loaded.
// The program then calls the functions below by name. Answers go into the
// inputs "result" and "result2" before a function returns. Clicks that the
// program acts on are reported as "COMMAND:index(lat,lng)" through
// window.mapHost.report (installed by the program) and the window's status
// text.
//
// The page keeps its own copy of every point, so every function works, and
// the answers stay right, when the maps API did not load.
//
// The place search uses the Places API (New) widget where the loaded API has
// it, else the legacy search box (which keys of new projects cannot use); with
// neither, or when the service refuses, the page tells the program once per
// showing, and the map works on without it.

var OP_MODE = { DST: 0, WPT: 1, RTE: 2, TRK: 3 };
var MAP_TYPES = ['roadmap', 'satellite', 'hybrid', 'terrain'];

var map = null;
var infoWindow = null;
/** @type {google.maps.places.SearchBox|null} */
var searchBox = null;
/** @type {google.maps.places.PlaceAutocompleteElement|null} */
var placeSearch = null;

var dstData = [], dstMarkers = [];
var wptData = [], wptMarkers = [];
var rteData = [], rteMarkers = [], rteLine = null;
var trkData = [], trkLines = [];
var trkMarker = null;
var preMarkerDST = null, preMarkerWPT = null;
var lastClickPos = null;
var mousePos = null;
var lastCenterReport = '';
// Numbers the add reports, so that two clicks on the same spot are two
// reports; it starts from the clock, so a new page does not repeat the last.
var clickSerial = Date.now() % 1000000000;

var currentOpMode = 0;
var currentMapMode = 0;
var currentZoom = 13;
var currentCenter = { lat: 0, lng: 0 };
var routeMaxPoints = 100;
var routeArrows = true;

// --- small helpers ----------------------------------------------------------

function mapsAvailable() {
  return typeof google !== 'undefined' && google && google.maps &&
         typeof google.maps.Map === 'function' &&
         typeof google.maps.LatLng === 'function';
}

function num(v, dflt) {
  var n = Number(v);
  return isFinite(n) ? n : dflt;
}

function toIndex(v) {
  var n = Number(v);
  return (isFinite(n) && Math.floor(n) === n) ? n : -1;
}

function readVar(name, dflt) {
  return (typeof window[name] !== 'undefined') ? window[name] : dflt;
}

// Only called while the maps API is there.
function latLng(lat, lng) { return new google.maps.LatLng(lat, lng); }

function posOf(p) { return { lat: p.lat, lng: p.lng }; }

/** @param {string} id */
function inputElement(id) {
  return /** @type {HTMLInputElement|null} */ (document.getElementById(id));
}

function setResult(a, b) {
  var r = inputElement('result');
  var r2 = inputElement('result2');
  if (r) { r.value = String(a); r.setAttribute('value', String(a)); }
  if (r2 && typeof b !== 'undefined') { r2.value = String(b); r2.setAttribute('value', String(b)); }
}

// A report through the program's channel alone (no click report).
/** @param {string} text */
function tellProgram(text) {
  var host = window.mapHost;
  if (host && typeof host.report === 'function') host.report(text);
}

/** @param {string} text */
function reportToProgram(text) {
  try { window.status = text; } catch (e) { /* read-only in some hosts */ }
  tellProgram(text);
}

function report(command, index, lat, lng) {
  reportToProgram(command + ':' + index + '(' + lat.toFixed(6) + ',' + lng.toFixed(6) + ')');
}

/** @param {string} id */
function listElement(id) {
  return /** @type {HTMLSelectElement|null} */ (document.getElementById(id));
}

function listAppend(id, text) {
  var list = listElement(id);
  if (list) list.appendChild(new Option(text, String(list.options.length)));
}

function listInsert(id, index, text) {
  var list = listElement(id);
  if (!list) return;
  var option = new Option(text, '');
  if (index >= list.options.length) list.appendChild(option);
  else list.insertBefore(option, list.options[index]);
}

function listRemove(id, index) {
  var list = listElement(id);
  if (list && index >= 0 && index < list.options.length) list.remove(index);
}

function listClear(id) {
  var list = listElement(id);
  if (list) while (list.options.length > 0) list.remove(0);
}

function listSelect(id, index) {
  var list = listElement(id);
  if (list && index >= 0 && index < list.options.length) list.selectedIndex = index;
}

function listSelected(id) {
  var list = listElement(id);
  return list ? list.selectedIndex : -1;
}

function removeMarker(m) { if (m) m.setMap(null); }

function makeMarker(pos, title, icon, draggable) {
  if (!map) return null;
  var options = { position: latLng(pos.lat, pos.lng), map: map, title: title || '' };
  if (icon) options.icon = icon;
  if (draggable) options.draggable = true;
  return new google.maps.Marker(options);
}

// Shows a text beside a marker; the text is set as text, never as markup.
function showInfo(marker, text) {
  if (!map || !marker) return;
  if (!infoWindow) infoWindow = new google.maps.InfoWindow();
  var node = document.createElement('div');
  node.className = 'infoText';
  node.textContent = text;
  infoWindow.setContent(node);
  infoWindow.open(map, marker);
}

function panTo(pos) {
  if (map) map.panTo(latLng(pos.lat, pos.lng));
  currentCenter = posOf(pos);
}

function fitTo(points) {
  if (points.length === 0) return;
  if (!map) { currentCenter = posOf(points[0]); return; }
  if (points.length === 1) { map.setCenter(latLng(points[0].lat, points[0].lng)); return; }
  var bounds = new google.maps.LatLngBounds();
  for (var i = 0; i < points.length; i++) bounds.extend(latLng(points[i].lat, points[i].lng));
  map.fitBounds(bounds);
}

function mapCenter() {
  if (map) {
    var c = map.getCenter();
    if (c) return { lat: c.lat(), lng: c.lng() };
  }
  return currentCenter;
}

// Encoded polyline (5 decimals), as the program writes the track lines.
function decodeLine(text) {
  var points = [];
  var index = 0, lat = 0, lng = 0;
  while (index < text.length) {
    var pair = [0, 0];
    for (var k = 0; k < 2; k++) {
      var result = 0, shift = 0, b;
      do {
        if (index >= text.length) return points;
        b = text.charCodeAt(index++) - 63;
        result += (b & 0x1f) * Math.pow(2, shift);
        shift += 5;
      } while (b >= 0x20);
      pair[k] = (result % 2) ? -(result + 1) / 2 : result / 2;
    }
    lat += pair[0];
    lng += pair[1];
    points.push({ lat: lat / 1e5, lng: lng / 1e5 });
  }
  return points;
}

// --- the map -------------------------------------------------------------

function createMap() {
  currentOpMode = toIndex(readVar('op_mode', 0));
  currentMapMode = toIndex(readVar('map_mode', 0));
  if (currentMapMode < 0 || currentMapMode >= MAP_TYPES.length) currentMapMode = 0;
  currentZoom = num(readVar('zoom_value', 13), 13);
  currentCenter = { lat: num(readVar('map_center_lat', 0), 0), lng: num(readVar('map_center_lng', 0), 0) };
  routeMaxPoints = num(readVar('rte_max_pts', 100), 100);
  routeArrows = readVar('arrows_rte', true) === true;

  dstData = []; wptData = []; rteData = []; trkData = [];
  var i, p;
  var dst = readVar('dst_pts', []);
  for (i = 0; i < dst.length; i++) {
    p = dst[i];
    dstData.push({ lat: num(p.Lat, 0), lng: num(p.Lng, 0), title: String(p.Title) });
  }
  var wpt = readVar('wpt_pts', []);
  for (i = 0; i < wpt.length; i++) {
    p = wpt[i];
    wptData.push({ lat: num(p.Lat, 0), lng: num(p.Lng, 0), title: String(p.Title), icon: toIndex(p.Icon) });
  }
  var rte = readVar('rte_pts', []);
  for (i = 0; i < rte.length; i++) rteData.push({ lat: num(rte[i].Lat, 0), lng: num(rte[i].Lng, 0) });
  var trk = readVar('trk_lines', []);
  for (i = 0; i < trk.length; i++) {
    p = trk[i];
    trkData.push({ color: String(p.Color), points: decodeLine(String(p.Line)) });
  }

  listClear('dstPointList');
  listClear('wptPointList');
  listClear('rtePointList');
  for (i = 0; i < dstData.length; i++) listAppend('dstPointList', dstData[i].title);
  for (i = 0; i < wptData.length; i++) listAppend('wptPointList', wptData[i].title);
  for (i = 0; i < rteData.length; i++) listAppend('rtePointList', String(i + 1));

  buildMapWhenReady(50);
}

// The maps API may still be arriving when the page has loaded: wait for it
// a little; without it the page goes on with its lists and answers alone,
// and says so.
function buildMapWhenReady(tries) {
  if (map) { drawOverlays(); return; }
  if (!mapsAvailable()) {
    if (tries > 0 && typeof google !== 'undefined' && google && google.maps)
      setTimeout(function () { buildMapWhenReady(tries - 1); }, 100);
    else
      showMapUnavailable();
    return;
  }
  var canvas = document.getElementById('map_canvas');
  if (!canvas) return;
  map = new google.maps.Map(canvas, {
    center: latLng(currentCenter.lat, currentCenter.lng),
    zoom: currentZoom,
    mapTypeId: MAP_TYPES[currentMapMode],
    disableDoubleClickZoom: false
  });

  drawOverlays();

  google.maps.event.addListener(map, 'click', function (e) { onMapClick(e.latLng); });
  google.maps.event.addListener(map, 'mousemove', function (e) { mousePos = { lat: e.latLng.lat(), lng: e.latLng.lng() }; });
  google.maps.event.addListener(map, 'rightclick', function (e) { mousePos = { lat: e.latLng.lat(), lng: e.latLng.lng() }; });
  google.maps.event.addListener(map, 'zoom_changed', function () { var z = map.getZoom(); if (isFinite(z)) currentZoom = z; });
  google.maps.event.addListener(map, 'maptypeid_changed', function () {
    var t = MAP_TYPES.indexOf(map.getMapTypeId());
    if (t >= 0) currentMapMode = t;
  });
  google.maps.event.addListener(map, 'idle', reportCenter);
}

// A note in the map area, and one report to the program, when the maps API
// could not be loaded (no network, or the service refused).
var MAP_UNAVAILABLE_REPORT = 'MapUnavailable';
var mapUnavailableReported = false;

function showMapUnavailable() {
  var canvas = document.getElementById('map_canvas');
  if (canvas && !document.getElementById('map_note')) {
    var note = document.createElement('div');
    note.id = 'map_note';
    note.textContent = 'The map could not be loaded.';
    note.style.cssText = 'padding-top: 40vh; text-align: center; font: 14px sans-serif; color: #444;';
    canvas.appendChild(note);
  }
  if (mapUnavailableReported) return;
  mapUnavailableReported = true;
  tellProgram(MAP_UNAVAILABLE_REPORT);
}

// Markers and lines for the page's data, replacing any drawn before.
function drawOverlays() {
  var i;
  for (i = 0; i < dstMarkers.length; i++) removeMarker(dstMarkers[i]);
  for (i = 0; i < wptMarkers.length; i++) removeMarker(wptMarkers[i]);
  for (i = 0; i < trkLines.length; i++) if (trkLines[i]) trkLines[i].setMap(null);
  dstMarkers = []; wptMarkers = []; trkLines = [];
  for (i = 0; i < dstData.length; i++) dstMarkers.push(makeDstMarker(dstData[i]));
  for (i = 0; i < wptData.length; i++) wptMarkers.push(makeWptMarker(wptData[i]));
  for (i = 0; i < trkData.length; i++) trkLines.push(makeTrackLine(trkData[i]));
  redrawRoute();
}

function reportCenter() {
  var c = mapCenter();
  currentCenter = c;
  var text = 'Center:0(' + c.lat.toFixed(6) + ',' + c.lng.toFixed(6) + ')';
  if (text === lastCenterReport) return;
  lastCenterReport = text;
  reportToProgram(text);
}

function onMapClick(position) {
  var pos = { lat: position.lat(), lng: position.lng() };
  lastClickPos = pos;
  if (currentOpMode === OP_MODE.DST) {
    showPreMarkerDST('', true);
  } else if (currentOpMode === OP_MODE.WPT) {
    showPreMarkerWPT('', true);
  } else if (currentOpMode === OP_MODE.RTE) {
    // The point shows at once; the program takes it back when it refuses it.
    rteInsertAt(pos, rteData.length);
  } else {
    return;
  }
  clickSerial = (clickSerial + 1) % 1000000000;
  report('ADD', clickSerial, pos.lat, pos.lng);
}

function changeOpMode(mode) {
  var m = toIndex(mode);
  if (m < 0 || m > 3) return;
  currentOpMode = m;
  showPreMarkerDST('', false);
  showPreMarkerWPT('', false);
  for (var i = 0; i < rteMarkers.length; i++)
    if (rteMarkers[i]) rteMarkers[i].setDraggable(m === OP_MODE.RTE);
}

function resizeMap(width, height) {
  var canvas = document.getElementById('map_canvas');
  var w = toIndex(width), h = toIndex(height);
  if (!canvas || w < 0 || h < 0) return;
  canvas.style.width = w + 'px';
  canvas.style.height = h + 'px';
  if (map) google.maps.event.trigger(map, 'resize');
}

// --- the place search ------------------------------------------------------

var PLACE_SEARCH_UNAVAILABLE_REPORT = 'PlaceSearchUnavailable';

function placeSearchUnavailable() { tellProgram(PLACE_SEARCH_UNAVAILABLE_REPORT); }

// The search of the Places API (New): a chosen prediction becomes a place
// whose viewport (or location) the map shows.
/** @param {HTMLInputElement} input */
function makePlaceSearch(input) {
  var element;
  try {
    element = new google.maps.places.PlaceAutocompleteElement({});
  } catch (e) {
    return null;
  }
  element.id = 'spanel-place';
  element.placeholder = input.placeholder;
  element.addEventListener('gmp-select', function (event) { showPlace(event.placePrediction); });
  element.addEventListener('gmp-error', placeSearchUnavailable);
  if (input.parentNode) input.parentNode.insertBefore(element, input.nextSibling);
  return element;
}

/** @param {google.maps.places.PlacePrediction|null|undefined} prediction */
function showPlace(prediction) {
  if (!prediction || !map) return;
  var place;
  try {
    place = prediction.toPlace();
  } catch (e) {
    placeSearchUnavailable();
    return;
  }
  place.fetchFields({ fields: ['viewport', 'location'] }).then(function (answer) {
    var p = (answer && answer.place) || place;
    if (!map) return;
    if (p.viewport) map.fitBounds(p.viewport);
    else if (p.location) map.setCenter(p.location);
  }, placeSearchUnavailable);
}

// The legacy search box on the page's own input.
/** @param {HTMLInputElement} input */
function makeSearchBox(input) {
  var box = new google.maps.places.SearchBox(input);
  google.maps.event.addListener(box, 'places_changed', function () {
    var places = box.getPlaces() || [];
    if (!map || places.length === 0 || !places[0].geometry) return;
    var g = places[0].geometry;
    if (g.viewport) map.fitBounds(g.viewport);
    else if (g.location) map.setCenter(g.location);
  });
  return box;
}

function showGoogleSearch(show) {
  var input = inputElement('spanel');
  if (!input) return;
  var on = !!show;
  var places = map ? google.maps.places : null;
  if (places && typeof places.PlaceAutocompleteElement === 'function') {
    input.type = 'hidden';
    if (on && !placeSearch) placeSearch = makePlaceSearch(input);
    if (placeSearch) {
      placeSearch.hidden = !on;
      if (on) placeSearch.focus();
      return;
    }
  } else if (places && typeof places.SearchBox === 'function') {
    input.type = on ? 'text' : 'hidden';
    if (on && !searchBox) searchBox = makeSearchBox(input);
    if (on) input.focus();
    return;
  } else if (!map) {
    // Without the maps API the program has said that the map is missing.
    input.type = on ? 'text' : 'hidden';
    if (on) input.focus();
    return;
  }
  input.type = 'hidden';
  if (on) placeSearchUnavailable();
}

function getMapMode() {
  if (map) {
    var t = MAP_TYPES.indexOf(map.getMapTypeId());
    if (t >= 0) currentMapMode = t;
  }
  setResult(currentMapMode);
}

function getZoomValue() {
  if (map) {
    var z = map.getZoom();
    if (isFinite(z)) currentZoom = z;
  }
  setResult(currentZoom);
}

function setMapToRoute() { fitTo(rteData); }

function setMapToTrack() {
  var all = [];
  for (var i = 0; i < trkData.length; i++) all = all.concat(trkData[i].points);
  fitTo(all);
}

// The map's centre into "result" and "result2"; the program decides whether
// it becomes the home position.
function setCenter(home) {
  var c = mapCenter();
  setResult(c.lat, c.lng);
}

function getCenter() {
  var c = mapCenter();
  setResult(c.lat, c.lng);
}

function setLatLng(lat, lng) {
  var la = num(lat, NaN), ln = num(lng, NaN);
  if (!isFinite(la) || !isFinite(ln)) return;
  if (map) map.setCenter(latLng(la, ln));
  currentCenter = { lat: la, lng: ln };
}

function GetMousePos() {
  var p = mousePos || mapCenter();
  setResult(p.lat, p.lng);
}

// --- destinations -------------------------------------------------------------

function makeDstMarker(d) {
  var m = makeMarker(d, d.title, null, false);
  if (m) google.maps.event.addListener(m, 'click', function () { showInfo(m, d.title); });
  return m;
}

function dst_addPoint(lat, lng, title) {
  var d = { lat: num(lat, 0), lng: num(lng, 0), title: String(title) };
  showPreMarkerDST('', false);
  dstData.push(d);
  dstMarkers.push(makeDstMarker(d));
  listAppend('dstPointList', d.title);
}

function dst_highlight(index) {
  var i = toIndex(index);
  if (i < 0 || i >= dstData.length) return;
  listSelect('dstPointList', i);
  showInfo(dstMarkers[i], dstData[i].title);
}

function dst_jumpToPoint(index) {
  var i = (typeof index === 'undefined') ? listSelected('dstPointList') : toIndex(index);
  if (i < 0 || i >= dstData.length) return;
  panTo(dstData[i]);
  dst_highlight(i);
}

function dst_deletePoint(index) {
  var i = (typeof index === 'undefined') ? listSelected('dstPointList') : toIndex(index);
  if (i < 0 || i >= dstData.length) return;
  removeMarker(dstMarkers[i]);
  dstData.splice(i, 1);
  dstMarkers.splice(i, 1);
  listRemove('dstPointList', i);
}

function dst_deleteAllPoints() {
  for (var i = 0; i < dstMarkers.length; i++) removeMarker(dstMarkers[i]);
  dstData = []; dstMarkers = [];
  listClear('dstPointList');
}

function showPreMarker(current, title, show, icon) {
  removeMarker(current);
  if (!show || !lastClickPos) return null;
  var m = makeMarker(lastClickPos, String(title), icon, false);
  if (m && title) showInfo(m, String(title));
  return m;
}

function showPreMarkerDST(title, show) {
  preMarkerDST = showPreMarker(preMarkerDST, title, show, null);
}

// --- waypoints -------------------------------------------------------------------

function wptIcon(icon) { return icon >= 0 ? 'wpt' + icon + '.png' : null; }

function makeWptMarker(w) {
  var m = makeMarker(w, w.title, wptIcon(w.icon), false);
  if (m) google.maps.event.addListener(m, 'click', function () { showInfo(m, w.title); });
  return m;
}

function wpt_addPoint(lat, lng, name, icon) {
  var w = { lat: num(lat, 0), lng: num(lng, 0), title: String(name), icon: toIndex(icon) };
  wptData.push(w);
  wptMarkers.push(makeWptMarker(w));
  listAppend('wptPointList', w.title);
}

function wpt_highlight(index) {
  var i = toIndex(index);
  if (i < 0 || i >= wptData.length) return;
  listSelect('wptPointList', i);
  showInfo(wptMarkers[i], wptData[i].title);
}

function wpt_jumpToPoint(index) {
  var i = (typeof index === 'undefined') ? listSelected('wptPointList') : toIndex(index);
  if (i < 0 || i >= wptData.length) return;
  panTo(wptData[i]);
  wpt_highlight(i);
}

function wpt_deletePoint(index) {
  var i = (typeof index === 'undefined') ? listSelected('wptPointList') : toIndex(index);
  if (i < 0 || i >= wptData.length) return;
  removeMarker(wptMarkers[i]);
  wptData.splice(i, 1);
  wptMarkers.splice(i, 1);
  listRemove('wptPointList', i);
}

function wpt_deleteAllPoints() {
  for (var i = 0; i < wptMarkers.length; i++) removeMarker(wptMarkers[i]);
  wptData = []; wptMarkers = [];
  listClear('wptPointList');
}

function showPreMarkerWPT(title, show) {
  preMarkerWPT = showPreMarker(preMarkerWPT, title, show, null);
}

// --- route -----------------------------------------------------------------------

function routeIcon(i) {
  if (i === 0) return 'start.png';
  if (i === rteData.length - 1) return 'end.png';
  return null;
}

function makeRteMarker(i) {
  var m = makeMarker(rteData[i], String(i + 1), routeIcon(i), currentOpMode === OP_MODE.RTE);
  if (!m) return null;
  google.maps.event.addListener(m, 'click', function () {
    var k = rteMarkers.indexOf(m);
    if (k >= 0) report('SEL', k, rteData[k].lat, rteData[k].lng);
  });
  google.maps.event.addListener(m, 'dragend', function (e) {
    var k = rteMarkers.indexOf(m);
    if (k < 0) return;
    var p = (e && e.latLng) || (m && m.getPosition());
    if (!p) return;
    rteData[k] = { lat: p.lat(), lng: p.lng() };
    redrawRouteLine();
    report('MODIFY', k, rteData[k].lat, rteData[k].lng);
  });
  return m;
}

function redrawRouteLine() {
  if (!map) return;
  var path = [];
  for (var i = 0; i < rteData.length; i++) path.push(latLng(rteData[i].lat, rteData[i].lng));
  if (!rteLine) rteLine = new google.maps.Polyline({ map: map, strokeColor: '#0000FF', strokeOpacity: 0.7, strokeWeight: 4 });
  rteLine.setPath(path);
  var icons = [];
  if (routeArrows && google.maps.SymbolPath)
    icons = [{ icon: { path: google.maps.SymbolPath.FORWARD_CLOSED_ARROW, scale: 3 }, offset: '50px', repeat: '120px' }];
  rteLine.setOptions({ icons: icons });
}

function redrawRoute() {
  for (var i = 0; i < rteMarkers.length; i++) removeMarker(rteMarkers[i]);
  rteMarkers = [];
  if (map) for (var k = 0; k < rteData.length; k++) rteMarkers.push(makeRteMarker(k));
  redrawRouteLine();
  listClear('rtePointList');
  for (var n = 0; n < rteData.length; n++) listAppend('rtePointList', String(n + 1));
}

// Inserts before index (appends for an index past the end); false at the limit.
function rteInsertAt(pos, index) {
  if (rteData.length >= routeMaxPoints) return false;
  var i = (index < 0 || index > rteData.length) ? rteData.length : index;
  rteData.splice(i, 0, posOf(pos));
  redrawRoute();
  return true;
}

function rte_addPoint(lat, lng, level, index) {
  var la = num(lat, NaN), ln = num(lng, NaN);
  if (!isFinite(la) || !isFinite(ln)) return;
  var i = (typeof index === 'undefined') ? -1 : toIndex(index);
  rteInsertAt({ lat: la, lng: ln }, i);
}

function rte_insert(index) {
  var i = toIndex(index);
  if (i < 0) return;
  rteInsertAt(mousePos || mapCenter(), i);
}

function rte_insertLatLng(lat, lng, index) {
  var la = num(lat, NaN), ln = num(lng, NaN), i = toIndex(index);
  if (!isFinite(la) || !isFinite(ln) || i < 0) return;
  rteInsertAt({ lat: la, lng: ln }, i);
}

function rte_showNewMarker(index, text) {
  var i = toIndex(index);
  if (i < 0 || i >= rteData.length) return;
  listSelect('rtePointList', i);
  showInfo(rteMarkers[i], String(text));
}

function rte_deletePoint(index) {
  var i = (typeof index === 'undefined') ? listSelected('rtePointList') : toIndex(index);
  if (i < 0 || i >= rteData.length) return;
  rteData.splice(i, 1);
  redrawRoute();
}

function rte_deleteAllPoints() {
  rteData = [];
  redrawRoute();
}

function rte_DrawArrows() {
  redrawRouteLine();
}

function rte_highlight(index) {
  var i = toIndex(index);
  if (i < 0 || i >= rteData.length) return;
  listSelect('rtePointList', i);
  showInfo(rteMarkers[i], String(i + 1));
}

function rte_jumpToPoint(index, center) {
  var i = (typeof index === 'undefined') ? listSelected('rtePointList') : toIndex(index);
  if (i < 0 || i >= rteData.length) return;
  if (typeof center === 'undefined' || center === true) panTo(rteData[i]);
  rte_highlight(i);
}

// --- tracks ---------------------------------------------------------------------

function makeTrackLine(t) {
  if (!map) return null;
  var path = [];
  for (var i = 0; i < t.points.length; i++) path.push(latLng(t.points[i].lat, t.points[i].lng));
  return new google.maps.Polyline({ map: map, path: path, strokeColor: t.color, strokeOpacity: 0.8, strokeWeight: 3 });
}

function trk_jumpToPoint(index) {
  var i = toIndex(index);
  if (i < 0 || i >= trkData.length) return;
  fitTo(trkData[i].points);
  for (var k = 0; k < trkLines.length; k++)
    if (trkLines[k]) trkLines[k].setOptions({ strokeWeight: k === i ? 5 : 3 });
}

function trk_changeColor(index, color) {
  var i = toIndex(index);
  var c = String(color);
  if (i < 0 || i >= trkData.length || !/^#[0-9A-Fa-f]{6}$/.test(c)) return;
  trkData[i].color = c;
  if (trkLines[i]) trkLines[i].setOptions({ strokeColor: c });
}

function trk_createMarker(lat, lng, center) {
  var la = num(lat, NaN), ln = num(lng, NaN);
  if (!isFinite(la) || !isFinite(ln)) return;
  var pos = { lat: la, lng: ln };
  if (map) {
    if (!trkMarker) trkMarker = makeMarker(pos, '', null, false);
    else trkMarker.setPosition(latLng(la, ln));
  }
  if (center === true) panTo(pos);
}
