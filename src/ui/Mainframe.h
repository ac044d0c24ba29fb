#pragma once
// What the pages of the main window may ask of it: the status bar, the map
// page, the state the pages share, the picture strips and the other pages.
// The operations one page calls on another go through the frame as virtual
// calls, so that a test can answer for a page.
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Httpclient.h"
#include "Imagelist.h"

class QAction;
class QMenu;
class QToolButton;
class QWidget;
class MapView;
class TDestPage;
class TWaypointPage;
class TRoutePage;
class TTrackPage;
class TConnectPage;
class TLoggerPage;
class TDeviceSetPage;
class TDeviceTransfers;
class TProgramPage;
class TAltChart;

// The map bar's buttons and the favourites menu, which the program settings
// page serves.
struct TMapBar {
  QToolButton *btnRefresh, *btnGetZoomLevel, *btnGoogleSearch, *btnSetHome, *btnFav;
  QMenu* mnuFav;
  QAction* mnuFavAdd;
  QMenu* mnuFavDel;
};

// A status bar text and how a language switch makes it again:
// - a QString as it stands: made again when it is one of the language file's
//   status words (a page's name, "not connected", "done", "failed");
//   any other text cannot be, and a switch clears it;
// - a callable that returns the text (tr() and its arguments, a string
//   number): called now and again after every switch;
// - StatusNote::Fixed(text): reads the same in every language (a port name,
//   the fixed English notes); a switch keeps it, or makes it again when it
//   is a status word.
class StatusNote {
 public:
  StatusNote() = default;
  StatusNote(const QString& text) : text_(text) {}
  template <class F, std::enable_if_t<std::is_invocable_r_v<QString, F&>, int> = 0>
  StatusNote(F make) : make_(std::move(make)) {}
  static StatusNote Fixed(const QString& text) {
    StatusNote note(text);
    note.fixed_ = true;
    return note;
  }

  const QString& Text() const { return text_; }
  const std::function<QString()>& Maker() const { return make_; }
  bool IsFixed() const { return fixed_; }

 private:
  QString text_;
  std::function<QString()> make_;
  bool fixed_ = false;
};

// The working page whose collection a map click edits.
enum OpMode : int32_t { omDestination = 0, omWaypoint = 1, omRoute = 2, omTrack = 3 };

class TMainFrame {
 public:
  virtual ~TMainFrame() = default;

  // --- state the pages share ----------------------------------------------------
  OpMode Mode = omDestination;
  bool PageLoaded = false;
  bool ZoomPending = false;
  bool PlaybackRunning = false;
  bool ListRefilling = false;
  bool GlobeViewerPresent = false;
  uint16_t BuildNumber = 0;
  double RouteTotalKm = 0.0;
  // The HTTP client's proxy: set from the settings when the window is
  // created and by the program settings page; used only when Active.
  struct HttpProxy {
    QString Server;
    int Port = 0;
    bool Active = false;
  } HGoogleProxy;
  // A GET of the main window's HTTP client: its request headers, and its
  // proxy when one is set.
  HttpRequest HGoogleRequest(const QString& url) const {
    HttpRequest request;
    request.url = url;
    request.headers = {{"Accept", "text/html, */*"}, {"Content-Type", "text/html"}};
    if (HGoogleProxy.Active) {
      request.proxyServer = HGoogleProxy.Server;
      request.proxyPort = HGoogleProxy.Port;
    }
    return request;
  }

  // The picture strips shipped beside the program.
  TImageList ilWaypoint{16, 16};
  TImageList ilButton{32, 32};
  TImageList ilTab{16, 16};
  TImageList ilTurn{16, 16};
  TImageList ilpmnu{16, 16};

  // --- the frame ------------------------------------------------------------------
  // Status bar panels: 0 port, 1 operation, 2 result, 3 notes. Panel 2 holds
  // the result of the last action: a new one replaces it and takes away the
  // reason of the one before. A text for panel 3 written in the same step as
  // a failure (string 168) in panel 2 is that failure's reason; any other is
  // a standing note, shown wherever no reason is. An empty text clears both.
  virtual void SetStatusText(int panel, const StatusNote& note) = 0;
  virtual QString StatusText(int panel) const = 0;
  // The window that owns dialogs and message boxes.
  virtual QWidget* FrameWindow() = 0;
  virtual TMapBar MapBar() = 0;
  // Saves the settings record; the first failure of a run is shown to the
  // user with its reason. False when the file could not be written.
  virtual bool SaveSettings() = 0;
  // Appends a file's name to the base window title (empty: the base title).
  virtual void SetTitleFile(const QString& fileName) = 0;

  // --- the map page -----------------------------------------------------------------
  // Writes the map page and makes the browser load it; noAutoZoom 1.0 keeps
  // the view instead of zooming to the route or tracks once it has loaded.
  virtual void RefreshMap(double unused, double noAutoZoom) = 0;
  // Runs a script call in the loaded page; dropped while no page is loaded.
  virtual void ExecScript(const QString& script) = 0;
  // The page's answer in the input `id` as an integer; nothing while no page
  // is loaded or when the answer is missing or no integer.
  virtual std::optional<int> GetScriptInt(const QString& tag, const QString& id,
                                          const QString& attribute) = 0;
  // The position in "result" and "result2"; true when both were read.
  virtual bool GetScriptLatLng(double& latitude, double& longitude) = 0;
  virtual int GetMapMode() = 0;
  virtual int GetZoomValue() = 0;
  virtual void FormResize() = 0;

  // --- the pages ----------------------------------------------------------------------
  virtual TDestPage& DestPage() = 0;
  virtual TWaypointPage& WaypointPage() = 0;
  virtual TRoutePage& RoutePage() = 0;
  virtual TTrackPage& TrackPage() = 0;
  virtual TConnectPage& ConnectPage() = 0;
  virtual TLoggerPage& LoggerPage() = 0;
  virtual TDeviceSetPage& DeviceSetPage() = 0;
  virtual TDeviceTransfers& DeviceTransfers() = 0;
  virtual TProgramPage& ProgramPage() = 0;
  virtual TAltChart& AltChart() = 0;

  // --- operations one page calls on another -----------------------------------------
  // Destinations.
  virtual void InitDefaultCategories() = 0;
  virtual void FillCategoryCombo() = 0;
  virtual void FillSubCategoryCombo(int category) = 0;
  virtual void FillDestList() = 0;
  // Runs the destination editor for adding at a position; true on OK (the
  // destination is then in the store), with the editor's position and title.
  virtual bool AddDestinationAt(double& latitude, double& longitude, QString& title) = 0;
  // Waypoints.
  virtual void FillWptList() = 0;
  // Runs the waypoint dialog for a new waypoint there; the script call that
  // shows it, or empty when cancelled or refused.
  virtual QString AddWaypointAt(double latitude, double longitude) = 0;
  virtual void RenderPoiIcons(bool force, uint32_t colour, bool transparent) = 0;
  // Route.
  virtual void FillRouteList(bool arrows, bool automatic) = 0;
  virtual void ShowRouteDistance(int lengthUnit, double km) = 0;
  virtual void lvRouteDblClick() = 0;
  virtual void bgRouteTable_DeleteClick() = 0;
  // Route page: selects one row as a click in the list would (the map jumps
  // to the point, the chart marks it).
  virtual void SelectRoutePoint(int row) = 0;
  // Altitude chart and elevations.
  virtual int FetchElevation(double latitude, double longitude) = 0;
  virtual void FetchRouteElevations(bool retry) = 0;
  virtual void FillAltitudeChart() = 0;
  virtual void MarkChartPoint(bool repaint) = 0;
  // Tracks.
  virtual void FillTrackList(bool differentColours) = 0;
  virtual void ApplyTrackAutoSelect() = 0;
  virtual void FillTrackPoints(int row) = 0;
  virtual int GetTrackLineIndex(int row) = 0;
  virtual void UpdateTrackCaptions() = 0;
  virtual void ImportGpx(const QString& fileName) = 0;
  virtual bool IsGoogleEarthInstalled() = 0;
  virtual void lvTrackDblClick() = 0;
  virtual void bgTrackTableItems1Click() = 0;
  // Device pages.
  virtual void InitConfigPages() = 0;
  // False when the reply was not taken (wrong field count, a field that
  // does not convert): the device task then counts as failed.
  virtual bool ShowLoggerConfig(const std::vector<std::string>& reply) = 0;
  virtual bool ShowDeviceConfig(const std::vector<std::string>& reply) = 0;
  virtual void btnGetLogConfigClick() = 0;
  virtual void btnGetTrevikConfigClick() = 0;
  // Program settings and the map bar.
  virtual void CheckNewVersion(bool silent) = 0;
  virtual void btnSetHomeClick() = 0;
  virtual void btnGetZoomLevelClick() = 0;
  // The position of the user-interface language list (program settings page).
  virtual int LanguageIndex() = 0;
};
