#pragma once
// A presentation as the authoring side sees it: every field the container
// can carry, with readable names and the defaults a new object gets in the
// editor. Scripts are text with ordinary line breaks; hints keep their
// escapes ("\q", "\br") as the author typed them.

#include <deque>
#include <string>
#include <variant>
#include <vector>

#include "platform/types.h"

namespace vx::tools {

using platform::Color;

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kWindowGrey = platform::MakeColor(0xF0, 0xF0, 0xF0);

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 100;
  int height = 25;
};

struct FontModel {
  std::string name = "Tahoma";
  int charset = 1;  // the platform's default charset
  int size = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  Color color = kBlack;
};

// The mouse scripts every control kind carries.
struct MouseScripts {
  std::string mouseDown;
  std::string mouseUp;
  std::string mouseEnter;
  std::string mouseLeave;
};

struct TextModel {
  std::string name;
  Bounds bounds;
  bool visible = true;
  bool enabled = true;
  bool wordWrap = false;
  FontModel font;
  bool rightToLeft = false;
  bool transparent = true;
  int layout = 0;     // code: 1, 2, 3 or anything for the top
  bool autoSize = false;
  int alignment = 0;  // code: 1, 2, 3 or anything for the left
  bool colorEvents = false;
  Color background = kWhite;
  Color colorHover = kBlack;
  Color colorClick = kBlack;
  std::string hint;
  std::string caption;
  int cursor = 0;
  MouseScripts scripts;
};

struct EditModel {
  std::string name;
  Bounds bounds;
  bool visible = true;
  bool tabStop = true;
  bool readOnly = false;
  bool autoSelect = true;
  bool rightToLeft = false;
  bool enabled = true;
  bool colorEvents = false;
  bool autoSize = false;
  bool ctl3D = true;
  FontModel font;
  char passwordChar = '\0';  // stored raw
  int charCase = 0;          // digit
  int bevelInner = 0;        // digit
  int bevelOuter = 0;        // digit
  int bevelKind = 0;         // digit
  int border = 1;            // digit
  Color color = kWhite;
  Color colorHover = kWhite;
  Color colorHoverFont = kBlack;
  Color colorEnter = kWhite;
  Color colorEnterFont = kBlack;
  std::string hint;
  std::string text;
  int maxLength = 0;
  int tabOrder = 0;
  int cursor = 0;
  std::string changeScript;
  MouseScripts scripts;
};

struct ButtonModel {
  std::string name;
  Bounds bounds;
  bool visible = true;
  bool tabStop = true;
  bool isDefault = false;
  bool enabled = true;
  bool showFocusRect = true;
  bool rightToLeft = false;
  FontModel font;
  std::string hint;
  std::string caption;
  int tabOrder = 0;
  int cursor = 0;
  MouseScripts scripts;
};

struct PictureModel {
  std::string name;
  Bounds bounds;
  bool visible = true;
  bool transparent = false;
  bool enabled = true;
  bool proportional = false;
  bool stretch = false;
  bool center = false;
  bool autoSize = false;
  bool animate = false;
  Color transparentColor = kWhite;
  std::string fileName = "picture.bmp";  // only its extension is used
  std::string image;                     // bytes of the resource "IDATA" n
  std::string hint;
  int cursor = 0;
  MouseScripts scripts;
};

struct ShapePoint {
  int x = 0;
  int y = 0;
};

struct ShapeModel {
  std::string name;
  Bounds bounds;
  bool visible = true;
  bool enabled = true;
  int brushStyle = 0;  // code
  int penStyle = 0;    // code
  bool variant = false;
  bool invertPen = false;
  Color brushColor = kWhite;
  Color penColor = kBlack;
  int form = 1;        // code: 1 rectangle, 2 ellipse, 3 line, 4-6 point lists, 7, 8 hot area
  std::string hint;
  std::vector<ShapePoint> points;
  int cursor = 0;
  MouseScripts scripts;
};

struct SoundModel {
  std::string name;
  bool loop = false;
  bool playWithPageStart = false;
  int volume = 0;  // four characters
  int delayBetweenLoops = 0;
  int numberOfLoops = 0;
  std::string fileName;
  std::string startScript;
  std::string finishScript;
};

struct VideoModel {
  std::string name;
  Bounds bounds{0, 0, 320, 240};
  bool visible = true;
  bool loop = false;
  bool playWithPageStart = false;
  int volume = 0;  // four characters
  int delayBetweenLoops = 0;
  int speed = 1;
  std::string path;
  std::string startScript;
  std::string finishScript;
};

struct FlashModel {
  std::string name;
  Bounds bounds{0, 0, 320, 240};
  bool visible = true;
  bool playing = true;
  bool loop = true;
  bool menu = false;
  int quality = 0;    // code
  int scaleMode = 0;  // code
  Color background = kWhite;
  std::string movie;
  int cursor = 0;
  int startFrame = 0;
  std::string hint;
  std::string fsCommandScript;
  std::string flashCallScript;
};

struct BrowserModel {
  std::string name;
  Bounds bounds{0, 0, 320, 240};
  bool visible = true;
  bool tabStop = true;
  bool acceptDrop = false;
  bool contextMenu = true;
  bool offline = false;
  bool textSelection = true;
  bool border3D = true;
  bool scrollBars = true;
  int tabOrder = 0;
  int cursor = 0;
  std::string defPath;
  std::string hint;
  std::string beforeNavigateScript;
  std::string navigateCompleteScript;
  std::string newWindowScript;
  std::string progressScript;
  std::string statusScript;
  std::string titleScript;
  std::string addressScript;
};

struct TimerModel {
  std::string name;
  bool enabled = true;
  int interval = 1000;
  int numberOfLoops = 0;
  std::string script;
};

struct PluginModel {
  std::string name;
  Bounds bounds;
  bool visible = true;
  std::string path;
};

using ObjectModel = std::variant<TextModel, EditModel, ButtonModel, PictureModel, ShapeModel,
                                 SoundModel, VideoModel, FlashModel, BrowserModel, TimerModel,
                                 PluginModel>;

struct PageFlags {
  bool rightToLeft = false;
  bool centred = true;
  bool systemMenu = true;
  bool minimizeButton = true;
  bool maximizeButton = false;
  bool helpButton = false;
  bool resizable = false;
  bool stayOnTop = false;
  bool showBorderShape = false;
  bool noSnap = false;
  int frame = 0;  // digit 0-3
  bool horzScrollBar = false;
  bool vertScrollBar = false;
  bool alphaBlend = false;
  bool smoothStretch = true;
  bool grayScale = false;
  bool flipHorizontal = false;
  bool emboss = false;
  bool invert = false;
  bool flipVertical = false;
  bool backgroundTransparent = false;
  int drawMode = 0;  // digit 0-5
  Color backgroundTransparentColor = kWhite;
  bool transparentColorKey = false;
  Color transparentColor = kWhite;
  bool doubleBuffered = false;
  Color windowColor = kWindowGrey;
  bool hidden = false;
  int transition = 0;  // 0 none, 1-13 effect, 14 random
  int transitionDuration = 1000;
};

struct PageModel {
  std::string name;
  std::string caption;
  int width = 640;
  int height = 480;
  int alpha = 255;
  int lightness = 0;
  int blur = 0;
  int contrast = 0;
  int saturation = 0;
  int sharpen = 0;
  int sponge = 0;
  int cursor = 0;
  std::string background;  // bytes of the resource "BDATAG" n; none when empty
  PageFlags flags;
  int transitionDirection = 0;  // digit
  bool transitionOption1 = false;
  bool transitionOption2 = false;
  int transitionStyle = 0;
  int transitionSubStyle = 0;
  int transitionSize1 = 0;
  int transitionSize2 = 0;
  std::string transitionMask;
  std::string showScript;
  std::string hideScript;
  std::string resizeScript;
  std::string wheelScript;
  std::deque<ObjectModel> objects;  // references to objects stay valid

  TextModel& AddText(const std::string& objectName);
  EditModel& AddEdit(const std::string& objectName);
  ButtonModel& AddButton(const std::string& objectName);
  PictureModel& AddPicture(const std::string& objectName);
  ShapeModel& AddShape(const std::string& objectName);
  SoundModel& AddSound(const std::string& objectName);
  VideoModel& AddVideo(const std::string& objectName);
  FlashModel& AddFlash(const std::string& objectName);
  BrowserModel& AddBrowser(const std::string& objectName);
  TimerModel& AddTimer(const std::string& objectName);
  PluginModel& AddPlugin(const std::string& objectName);
};

struct EmbeddedFileModel {
  std::string name;
  std::string bytes;  // the resource "DATAE" n
};

struct FunctionModel {
  std::string name;
  std::string shortcut = "000";
  int slot = 0;
  std::string body;
};

struct ProjectModel {
  std::string header = "VXC1";
  std::string title = "Vexorelle";

  bool noCursorShadow = false;
  bool noScreenSaver = false;
  bool swapMouseButtons = false;
  bool noMenuFade = false;
  bool extractAllEmbedded = false;
  bool hintFollowsMouse = false;
  Color hintColor = platform::MakeColor(0xFF, 0xFF, 0xE1);
  Color hintFontColor = kBlack;
  bool ignoreMissingFlash = false;
  int hintHidePause = 2500;
  int hintPause = 500;

  bool changeResolution = false;
  bool exitOnBadResolution = false;
  std::string requestedMode = "800x600 1 Colors 60 Hertz";

  std::string errorScript;
  std::string hintScript;
  std::string minimizeScript;
  std::string restoreScript;
  std::string reservedScript;

  std::vector<EmbeddedFileModel> embeddedFiles;
  std::vector<std::string> fonts;
  std::vector<std::string> cursorFiles;
  std::vector<int> threadPriorityCodes;  // slot 1 first; each 6 minus a digit
  std::vector<FunctionModel> functions;
  std::deque<PageModel> pages;  // references to pages stay valid

  PageModel& AddPage(const std::string& pageName);
  EmbeddedFileModel& AddEmbeddedFile(const std::string& fileName, const std::string& bytes);
  FunctionModel& AddFunction(const std::string& functionName, const std::string& body);
};

}  // namespace vx::tools
