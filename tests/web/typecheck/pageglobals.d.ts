// What the map page's scripts use beyond the DOM and the maps API: the
// channel the program installs, and the names of the maps API's long gone
// version 2 that the page's own script still asks about.

interface MapHost {
  // A click report ("COMMAND:index(lat,lng)") or a note such as "MapUnavailable".
  report(text: string): void;
}

interface Window {
  // Installed by the program before the page's scripts run; absent in a
  // plain browser.
  mapHost?: MapHost;
}

declare var GMap2: unknown;
declare function GUnload(): void;
