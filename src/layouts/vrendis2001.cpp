#include "layouts/vrendis2001.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include "layouts/focus_mark.h"
#include "layouts/fullscreen.h"
#include "layouts/loader.h"
#include "layouts/twips.h"

using namespace layouts;

namespace {

constexpr int client_width_twips = 9645;
constexpr int client_height_twips = 8700;

constexpr Look heading{Typeface::arial_black_11_25, grey_text, default_colour, transparent};
constexpr Look grey_wrapped{Typeface::verdana_6_75, grey_text, default_colour, transparent | wrap};
constexpr Look white_link{Typeface::verdana_6_75, white, default_colour, underline | transparent};
constexpr Look black_back{.back = black};
constexpr Look dark_blue_fill{.fore = dark_blue, .style = solid};
constexpr Look black_on_clear{.fore = black, .style = transparent};
constexpr Look about_text{Typeface::verdana_6_75, white, default_colour, transparent | wrap};
constexpr Look about_heading{Typeface::verdana_8_25_bold, white, default_colour, transparent};

constexpr const char* marker = ":/embedded/marker.jpg";
constexpr const char* tick = ":/embedded/tick.jpg";
constexpr const char* arrow = ":/embedded/arrow.jpg";

// The ID on show, Text2 + Text3 + Text4; empty while a holder is empty.
QString shown_id(const QWidget& window) {
    const auto& main = static_cast<const Vrendis2001&>(window);
    const QString parts[] = {main.Text2->text(), main.Text3->text(), main.Text4->text()};
    for (const QString& part : parts) {
        if (part.isEmpty())
            return {};
    }
    return parts[0] + parts[1] + parts[2];
}

// clang-format off
constexpr Row rows[] = {
// name               class                   container         Left    Top  Width Height initial  caption / picture                 look                    tool tip
// Caption strip
{"Picture2",          Kind::Panel,            "",                -15,   -15, 10290,  585, shown,  "",                                black_back},
{"Picture5",          Kind::Panel,            "Picture2",       3435,   -15,  6825,  555, shown,  "",                                black_back},
{"Label1",            Kind::Label,            "Picture5",       5535,   105,   585,  180, shown,  "Avsluta",                         white_link},
{"Label3",            Kind::Label,            "Picture5",       4890,   315,  1230,  180, shown,  "Om Programmet",                   white_link},
{"Image3",            Kind::TransparentImage, "Picture5",       -180,     0,  6435,  570, shown,  "",                                {}},
{"Image2",            Kind::TransparentImage, "Picture2",        -15,    30, 10020,  495, shown,  "",                                {}},
{"Label2",            Kind::Label,            "Picture2",        195,   105,  2700,  345, shown,  "Vrendomaten v6.9",                {Typeface::arial_black_12, white, default_colour, transparent}},
{"Shape1",            Kind::Rectangle,        "Picture2",         15,    30,  8445,  510, shown,  "",                                dark_blue_fill},
{"Shape2",            Kind::Rectangle,        "Picture2",         15,     0,  3480,  495, shown,  "",                                {.style = outline}},
{"Image1",            Kind::TransparentImage, "Picture2",          0,   -75,  9630,  675, shown,  "",                                {}},

// Figure panel
{"Picture1",          Kind::Panel,            "",               3615,   735,  5895, 7065, shown,  "",                                {}},
{"Picture7",          Kind::Panel,            "Picture1",       2250,   165,   270,  210, shown,  "",                                {}},
{"Image9",            Kind::Image,            "Picture7",         75,    45,   165,  105, shown,  arrow,                             {}},
{"Picture4",          Kind::Panel,            "Picture1",         75,   495,  5745, 6525, shown,  "",                                black_back},
{"Picture3",          Kind::Panel,            "Picture1",       3405,   120,  2355,  255, shown,  "",                                {}},
{"Image14",           Kind::Image,            "Picture3",       2175,    60,   135,  165, shown,  marker,                            {},                     "Generera en ny vrendis"},
{"Image5",            Kind::Image,            "Picture3",       2070,    60,   135,  165, shown,  marker,                            {},                     "Generera en ny vrendis"},
{"Label5",            Kind::Label,            "Picture3",        225,    45,  1785,  180, shown,  ":: Generera en ny vrendis ",      {}},
{"StatusBar2",        Kind::StatusBar,        "Picture1",         75,    75,  5745,  330, shown,  "",                                {}},
{"Image21",           Kind::TransparentImage, "Picture1",        120,   135,  2085,  240, shown,  "",                                {}},

// Inside Picture4, the figure area
{"bokmark_foldin",    Kind::Frame,            "Picture4",        -90,  -105,  2685, 6580, hidden, "",                                {.back = tab_grey}},
{"bokmarken_list",    Kind::ListBox,          "bokmark_foldin",   60,    75,  2445, 6525, shown,  "",                                {.back = list_grey}},
{"Image22",           Kind::Image,            "bokmark_foldin", 2490,   105,   195, 6450, shown,  ":/embedded/tab_open.jpg",         {}},
{"Check1",            Kind::CheckBox,         "Picture4",        345,  6045,  3405,  210, shown,  "Visa riktig vrendis vid nästa uppstart.", {.fore = white, .back = dark_blue}},
{"about_scroller",    Kind::Panel,            "Picture4",        360,  -120,  5115, 18075, hidden, "",                               black_back},
{"editid",            Kind::Frame,            "Picture4",        -15,  -105,  5715, 1560, hidden, "",                                {}},
{"Text7",             Kind::TextBox,          "editid",         4830,   255,   555,  300, shown,  "6",                               {.style = centred}},
{"Text6",             Kind::TextBox,          "editid",         3030,   255,   555,  300, shown,  "6",                               {.style = centred}},
{"Text5",             Kind::TextBox,          "editid",         1200,   255,   555,  300, shown,  "6",                               {.style = centred}},
{"Image13",           Kind::Image,            "editid",          285,  1095,  1770,  150, shown,  ":/embedded/btn_skapa.jpg",        {}},
{"Label21",           Kind::Label,            "editid",          315,   840,  5325,  285, shown,  "Skriv in i textfälten nedan ett värde mellan 1 och xx.", {.fore = grey_text}},
{"Label20",           Kind::Label,            "editid",         4125,   315,   585,  180, shown,  "Ben ID:",                         {.style = right_aligned}},
{"Label19",           Kind::Label,            "editid",         2205,   315,   705,  180, shown,  "Bröst ID:",                       {.style = right_aligned}},
{"Label18",           Kind::Label,            "editid",          300,   315,   780,  180, shown,  "Huvud ID:",                       {.style = right_aligned}},
{"Label35",           Kind::Label,            "Picture4",       4125,  6045,  1185,  180, shown,  "Stäng splash  ::",                {.fore = white, .style = transparent}},
{"vrendis_splash",    Kind::Image,            "Picture4",          0,     0,  5625, 6405, shown,  ":/embedded/splash.jpg",           {}},
{"bookmarks",         Kind::Image,            "Picture4",          0,     0,   195, 6450, hidden, ":/embedded/tab_closed.jpg",       {}},
{"image_head",        Kind::Image,            "Picture4",        675,   210,  4275, 1305, shown,  "",                                {},                     "Byt huvud"},
{"image_chest",       Kind::Image,            "Picture4",        675,  1500,  4275, 1845, shown,  "",                                {},                     "Byt Bröst"},
{"image_legs",        Kind::Image,            "Picture4",        675,  3330,  4275, 2925, shown,  "",                                {},                     "Byt ben"},

// Inside about_scroller, the about panel
{"Label34",           Kind::Label,            "about_scroller",  480, 12570,  4155,  195, shown,  "Tack !",                          about_heading},
{"Shape8",            Kind::Rectangle,        "about_scroller",  465, 12870,  4155,  165, shown,  "",                                dark_blue_fill},
{"Label33",           Kind::Label,            "about_scroller",  480, 13200,  4155, 1170, shown,  "Ett stort tack till alla som testade tidiga versioner, hittade fel och skickade in egna huvuden, bröst och ben. Utan er hade Vrendomaten bara varit en halv vrendis.", about_text},
{"Label32",           Kind::Label,            "about_scroller",  480, 11250,  4155,  195, shown,  "Snabbmeddelanden: 314 159 265",   about_text},
{"Label31",           Kind::Label,            "about_scroller",  480, 11490,  4155,  195, shown,  "E-post: vrendis@example.se",      about_text},
{"Label28",           Kind::Label,            "about_scroller",  480, 11730,  4155,  195, shown,  "Hemsida: www.example.se/vrendis", about_text},
{"Label30",           Kind::Label,            "about_scroller",  480, 10950,  4155,  195, shown,  "Kontakta oss",                    about_heading},
{"Label29",           Kind::Label,            "about_scroller",  480, 10350,  4155,  195, shown,  "Vrendomaten och Viktig information", about_heading},
{"Shape7",            Kind::Rectangle,        "about_scroller",  465, 10650,  4155,  165, shown,  "",                                dark_blue_fill},
{"Label27",           Kind::Label,            "about_scroller",  600,  6360,  3915,  855, shown,  "Vrendomaten är gjord av Olle Berg och Stina Krok, med bilder ritade av vänner och familj.", about_text},
{"Label26",           Kind::Label,            "about_scroller",  600,  3090,  3915, 3075, shown,  "Alla vrendisar är påhittade. Likheter med verkliga personer, levande eller döda, är helt och hållet slumpens verk. Programmet är gratis att använda och sprida så länge det får vara som det är. Vi ansvarar inte för skratt, förvirring eller förlorad arbetstid som Vrendomaten kan orsaka.", about_text},
{"Shape6",            Kind::Rectangle,        "about_scroller",  480,    15,  4155, 1935, shown,  "",                                dark_blue_fill},
{"Shape5",            Kind::Rectangle,        "about_scroller",  480,  2910,  4155, 4500, shown,  "",                                dark_blue_fill},
{"Label25",           Kind::Label,            "about_scroller",  480,  2130,  4155,  585, shown,  "Välkommen till Vrendomaten, programmet som sätter ihop nya figurer av gamla delar.", about_text},
{"Label24",           Kind::Label,            "about_scroller",  600,  1320,  1200,  195, shown,  "v6.9",                            about_heading},
{"Label23",           Kind::Label,            "about_scroller",  600,   990,  3915,  195, shown,  "Huvud, bröst och ben i nya kombinationer", about_heading},
{"Label22",           Kind::Label,            "about_scroller",  600,   360,  3915,  435, shown,  "Vrendomaten",                     {Typeface::verdana_18_bold, white, default_colour, transparent}},

// Bottom strip and loose controls of the window, in z-order after Picture1
{"Picture6",          Kind::Panel,            "",               8985,  8280,   615,  195, shown,  "",                                {}},
{"Image8",            Kind::Image,            "Picture6",         30,    30,   555,  120, shown,  ":/embedded/minimise.jpg",         {}},
{"Image7",            Kind::Image,            "Picture6",        195,    60,   165,  105, shown,  arrow,                             {},                     "Miniminera Vrendomaten"},
{"Command3",          Kind::CommandButton,    "",                645,  9255,  1455,  375, shown,  "&Apply",                          {}},
{"Command4",          Kind::CommandButton,    "",                645,  9735,  1455,  375, shown,  "",                                {}},
{"StatusBar1",        Kind::StatusBar,        "",                -90,  8160,  9885,  360, shown,  "",                                {}},

// Lock strip (Frame1 takes its place in the z-order after StatusBar1)
{"Frame1",            Kind::Frame,            "",               3405,   180,  6270, 8040, shown,  "",                                {}},
{"bock3",             Kind::Image,            "Frame1",         5535,  7605,   240,  225, hidden, tick,                              {}},
{"bock2",             Kind::Image,            "Frame1",         3585,  7605,   240,  225, hidden, tick,                              {}},
{"bock1",             Kind::Image,            "Frame1",         1470,  7605,   240,  225, hidden, tick,                              {}},
{"Label8",            Kind::Label,            "Frame1",         4740,  7635,   750,  180, shown,  ":: Lås b&en",                     black_on_clear},
{"Label7",            Kind::Label,            "Frame1",         2640,  7635,   870,  180, shown,  ":: Lås &bröst",                   black_on_clear},
{"Label4",            Kind::Label,            "Frame1",          480,  7635,   930,  180, shown,  ":: &Lås huvud",                   black_on_clear},

// Left panel (Frame2 follows Frame1 in the z-order)
{"Frame2",            Kind::Frame,            "",               -210,   420,  3645, 7800, shown,  "",                                {}},
{"Text4",             Kind::TextBox,          "Frame2",         2970,  7215,   345,  285, hidden, "",                                {}},
{"Text3",             Kind::TextBox,          "Frame2",         2970,  6825,   345,  285, hidden, "",                                {}},
{"Text2",             Kind::TextBox,          "Frame2",         2970,  6450,   345,  285, hidden, "",                                {}},
{"Slider1",           Kind::Slider,           "Frame2",          240,  3435,  3030,  345, shown,  "",                                {}},
{"Text1",             Kind::TextBox,          "Frame2",          675,  3900,   780,  315, shown,  "1101",                            {.font = Typeface::verdana_8_25, .style = centred}},
{"Image20",           Kind::TransparentImage, "Frame2",          390,  7050,  1980,  255, shown,  "",                                {}},
{"Image19",           Kind::TransparentImage, "Frame2",          390,  6810,  1980,  255, shown,  "",                                {}},
{"Image18",           Kind::TransparentImage, "Frame2",          390,  6585,  1980,  240, shown,  "",                                {}},
{"Image17",           Kind::Image,            "Frame2",          375,  6600,   135,  165, hidden, marker,                            {}},
{"Image16",           Kind::Image,            "Frame2",          375,  6840,   135,  165, hidden, marker,                            {}},
{"Image15",           Kind::Image,            "Frame2",          375,  7080,   135,  165, hidden, marker,                            {}},
{"Image12",           Kind::Image,            "Frame2",          525,  7080,  1770,  150, shown,  ":/embedded/btn_helskarm.jpg",     {}},
{"Image11",           Kind::Image,            "Frame2",          525,  6855,  1770,  150, shown,  ":/embedded/btn_slideshow.jpg",    {}},
{"Image10",           Kind::Image,            "Frame2",          510,  6615,  1770,  150, shown,  ":/embedded/btn_skapa.jpg",        {}},
{"Label17",           Kind::Label,            "Frame2",          360,  4755,  1890,  330, shown,  "Vrendomaten",                     heading},
{"Label16",           Kind::Label,            "Frame2",          360,  5175,  3165, 1140, shown,  "Har du provat helskärmsläget? Där står din vrendis ensam på svart botten och byts ut av sig själv. Klicka på en kroppsdel för att byta just den.", grey_wrapped},
{"Label15",           Kind::Label,            "Frame2",         1575,  3960,  1305,  180, shown,  "1000 = 1 sekund",                 {}},
{"Label14",           Kind::Label,            "Frame2",          360,  2760,  3120,  795, shown,  "Här ställer du in hastigheten för bildspelet, du kan skriva in hastigheten för bildbyten i tusendelar i textrutan.", grey_wrapped},
{"Label13",           Kind::Label,            "Frame2",          360,  2340,  1755,  330, shown,  "Inställningar",                   heading},
{"Label12",           Kind::Label,            "Frame2",         1785,  1575,  1245,  180, shown,  "Stina Krok",                      {}},
{"Label10",           Kind::Label,            "Frame2",          420,  1575,  1140,  180, shown,  "Olle Berg",                       {}},
{"Label9",            Kind::Label,            "Frame2",          360,   780,  3120,  795, shown,  "Vrendomaten sätter ihop en vrendis av ett huvud, ett bröst och ett par ben. Klicka på en kroppsdel för att byta ut den.", grey_wrapped},
{"Label11",           Kind::Label,            "Frame2",          360,   360,  1605,  330, shown,  "Information",                     heading},

// Bottom strip, continued: the windowless controls of the window
{"Image6",            Kind::TransparentImage, "",               9210,  8220,   165,  105, shown,  "",                                {}},
{"Image4",            Kind::TransparentImage, "",                 15,  8190,  9645,  525, shown,  "",                                {}},
{"Shape3",            Kind::Rectangle,        "",               -405,  8475, 10590,  120, shown,  "",                                dark_blue_fill},
{"Shape4",            Kind::Rectangle,        "",               -210,  8580, 10590,  120, shown,  "",                                {.fore = black, .style = solid}},
{"Label6",            Kind::Label,            "",               1200, 10200,  3780,  180, shown,  "Vrendomaten kan generera totalt xxx vrendis bilder.", {}},
};

constexpr TimerRow timers[] = {
// name               initial   interval (ms)
{"aboutscroller",     disabled, 35},
{"Slideshow_Clock",   disabled, 0},
};

constexpr MenuRow menu_rows[] = {
// name                   menu            caption                         initial  shortcut
{"mnuid",                 "",             "idmenu",                       hidden},
{"mnuenterid",            "mnuid",        "Skriv in Vrendis ID",          shown},
{"mnubar",                "mnuid",        "-",                            shown},
{"mnubokmark",            "mnuid",        "Spara Vrendis i bokmärken",    shown},
{"mnuopen2",              "mnuid",        "Öppna / Stäng  bokmärken",     shown},
{"mnubar4",               "mnuid",        "-",                            shown},
{"mnusavepicture",        "mnuid",        "Spara bild...",                shown,   "Ctrl+S"},
{"mnucopypicture",        "mnuid",        "Kopiera bild",                 shown,   "Ctrl+C"},
{"mnuback",               "mnuid",        "Föregående vrendis",           shown,   "Alt+Left; Ctrl+Z"},
{"mnuforward",            "mnuid",        "Nästa vrendis",                shown,   "Alt+Right; Ctrl+Shift+Z"},
{"mnubar5",               "mnuid",        "-",                            shown},
{"mnuaddpart",            "mnuid",        "Lägg till egen del...",        shown,   "Ctrl+O"},
{"mnubar6",               "mnuid",        "-",                            shown},
{"mnuname",               "mnuid",        "Vrendis för ett namn...",      shown},
{"mnusavesheet",          "mnuid",        "Spara bokmärken som bild...",  shown},
{"mnushortcuts",          "",             "shortcuts",                    hidden},
{"mnuhuvud",              "mnushortcuts", "&Lås Huvud",                   shown},
{"mnubrost",              "mnushortcuts", "Lås &bröst",                   shown},
{"mnuben",                "mnushortcuts", "Lås b&en",                     shown},
{"mnuabout",              "mnushortcuts", "Om Programmet",                shown,   "F1"},
{"mnusplash",             "mnushortcuts", "Visa Splash",                  shown,   "F2"},
{"mnukeyfigure",          "mnushortcuts", "Ny vrendis",                   shown,   "Space"},
{"mnukeyhead",            "mnushortcuts", "Byt huvud",                    shown,   "1"},
{"mnukeychest",           "mnushortcuts", "Byt bröst",                    shown,   "2"},
{"mnukeylegs",            "mnushortcuts", "Byt ben",                      shown,   "3"},
{"mnukeybookmark",        "mnushortcuts", "Spara i bokmärken",            shown,   "B"},
{"mnukeyfullscreen",      "mnushortcuts", "Visa i helskärm",              shown,   "F11"},
{"mnukeypaste",           "mnushortcuts", "Klistra in egen del",          shown,   "Ctrl+V"},
{"mnutray",               "",             "Tray",                         hidden},
{"mnuopen",               "mnutray",      "Öppna Vrendomaten",            shown},
{"mnubar2",               "mnutray",      "-",                            shown},
{"mnucreatevrendis",      "mnutray",      "Skapa ny vrendis",             shown},
{"mnustartslideshow",     "mnutray",      "Starta/Stoppa Slideshow",      shown},
{"mnufullscreen",         "mnutray",      "Visa i Helskärm",              shown},
{"mnubar3",               "mnutray",      "-",                            shown},
{"mnuexit",               "mnutray",      "Avsluta Vrendomaten",          shown},
{"mnubookmarks",          "",             "Bookmarks",                    hidden},
{"mnubookmark_show",      "mnubookmarks", "Visa vrendis",                 hidden},
{"mnubookmark_bar",       "mnubookmarks", "-",                            hidden},
{"mnubookmark_add",       "mnubookmarks", "Spara bokmärke",               hidden},
{"mnubookmark_delete",    "mnubookmarks", "Radera bokmärke",              shown},
};

// What a screen reader and voice control are shown, in the order the keyboard reaches the
// controls, and the controls that take clicks without being a command of their own.
constexpr AccessibleRow accessible_rows[] = {
// control            as                   name                                     follows            name while on
{"",                  Exposed::window,     "Vrendomaten v6.9"},
{"Label3",            Exposed::command,    "Om Programmet"},
{"Label1",            Exposed::command,    "Avsluta"},
{"Image9",            Exposed::command,    "Vrendis ID-meny"},
{"Label5",            Exposed::command,    "Generera en ny vrendis"},
{"bookmarks",         Exposed::command,    "Öppna bokmärken"},
{"bokmarken_list",    Exposed::field,      "Bokmärken"},
{"Image22",           Exposed::command,    "Stäng bokmärken"},
{"image_head",        Exposed::command,    "Byt huvud"},
{"image_chest",       Exposed::command,    "Byt bröst"},
{"image_legs",        Exposed::command,    "Byt ben"},
{"Label4",            Exposed::lock,       "Lås huvud",                             "bock1"},
{"Label7",            Exposed::lock,       "Lås bröst",                             "bock2"},
{"Label8",            Exposed::lock,       "Lås ben",                               "bock3"},
{"Image18",           Exposed::command,    "Skapa ny vrendis"},
{"Image19",           Exposed::command,    "Starta bildspel",                       "Slideshow_Clock", "Stoppa bildspel"},
{"Image20",           Exposed::command,    "Helskärm"},
{"Image8",            Exposed::command,    "Minimera Vrendomaten"},
{"Text1",             Exposed::field,      "Bildspelets intervall i millisekunder"},
{"Slider1",           Exposed::field,      "Bildspelets intervall i millisekunder"},
{"Text5",             Exposed::field,      "Huvud ID"},
{"Text6",             Exposed::field,      "Bröst ID"},
{"Text7",             Exposed::field,      "Ben ID"},
{"Image13",           Exposed::command,    "Visa vrendis med ID"},
// Not reached by Tab
{"Picture4",          Exposed::figure,     "Ingen vrendis",                         "",                "",  shown_id},
{"Label35",           Exposed::command,    "Stäng splash"},
};

constexpr UnexposedRow unexposed_rows[] = {
// control            why it is no command
{"Frame1",            "container: a click on its background closes the ID panel"},
{"Frame2",            "container: a click on its background closes the ID panel"},
{"Picture1",          "container: a click on its background closes the ID panel"},
{"Picture3",          "container: a click on its background closes the ID panel"},
{"Picture4",          "container: a click on its background closes the ID panel; shows the figure"},
{"editid",            "container: the ID panel, whose background click closes it"},
{"Image3",            "drag zone of the caption: its click closes the ID panel, as the containers' does"},
{"Image14",           "repeats Label5, \"Generera en ny vrendis\""},
{"Image5",            "repeats Label5, \"Generera en ny vrendis\""},
{"vrendis_splash",    "the splash photograph: its click repeats \"Generera en ny vrendis\""},
{"StatusBar2",        "read as text: its click repeats the ID menu's \"Skriv in Vrendis ID\""},
{"about_scroller",    "container: the about panel, whose double click closes it"},
{"Label22",           "read as text: its double click closes the about panel, as the panel's does"},
{"Label23",           "read as text: its double click closes the about panel, as the panel's does"},
{"Label24",           "read as text: its double click closes the about panel, as the panel's does"},
};
// clang-format on

}  // namespace

std::span<const Row> Vrendis2001::layout() {
    return rows;
}
std::span<const MenuRow> Vrendis2001::menus() {
    return menu_rows;
}
const AccessibleTable& Vrendis2001::accessible() {
    static constexpr AccessibleTable table{accessible_rows, unexposed_rows};
    return table;
}

Vrendis2001::Vrendis2001() {
    setObjectName(QStringLiteral("vrendis2001"));
    // Our own caption strip replaces the system's.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(twips_to_pixels(client_width_twips), twips_to_pixels(client_height_twips));
    setFont(font_of(Typeface::verdana_6_75));
    // From pixmaps rather than files: a file would first have Qt scan its icon engine plugins.
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/embedded/icon_32.png")));
    icon.addPixmap(QPixmap(QStringLiteral(":/embedded/icon_16.png")));
    setWindowIcon(icon);

    build(*this, rows);
    build_timers(*this, timers);
    build_menus(*this, menu_rows);
    bind_controls();
    set_details();
    install_accessibility();
    name_fields_when_accessible(*this, accessible());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

Vrendis2001::~Vrendis2001() {
    // The other two windows are top-level windows of their own, not our children.
    delete fullscreen.data();
    delete loader.data();
}

Loader& Vrendis2001::create_loader() {
    if (!loader) {
        loader = new Loader;
        emit loader_created(*loader);
    }
    return *loader;
}

void Vrendis2001::destroy_loader() {
    if (!loader)
        return;
    Loader* closing = loader;
    loader = nullptr;
    closing->hide();
    closing->deleteLater();
}

Fullscreen& Vrendis2001::create_fullscreen() {
    if (!fullscreen) {
        fullscreen = new Fullscreen;
        emit fullscreen_created(*fullscreen);
    }
    return *fullscreen;
}

void Vrendis2001::destroy_fullscreen() {
    if (!fullscreen)
        return;
    Fullscreen* closing = fullscreen;
    fullscreen = nullptr;
    closing->hide();
    closing->deleteLater();
}

// What the rows cannot hold.
void Vrendis2001::set_details() {
    Slider1->setRange(1, 40001);
    Slider1->set_small_change(500);
    Slider1->set_large_change(1000);
    Slider1->setTickInterval(5000);
    Slider1->setValue(1500);

    StatusBar2->add_panel(StatusBar::PanelKind::Text, 2500,
                          QLatin1String(id_status_prefix) + QStringLiteral("h6c6l6"));
    StatusBar2->add_panel(StatusBar::PanelKind::Text, 3195);
    StatusBar1->add_panel(StatusBar::PanelKind::Date, 2000);
    StatusBar1->add_panel(StatusBar::PanelKind::Time, 2000);
    StatusBar1->add_panel(StatusBar::PanelKind::Text, 5835,
                          QStringLiteral("Vrendomaten v6.9 kan generera upp till xxx vrendisar.") +
                              QString(18, QLatin1Char(' ')));

    Check1->setChecked(false);

    // Tab order: Command4 first, so it holds the focus at start. Command3 below the client area
    // would be a stop no one sees: it takes no focus. Then the commands as they stand in the
    // window, from the caption strip through the figure area to the left panel, and the
    // settings last. Tab passes over whatever is hidden (the list of a closed bookmark panel,
    // the boxes of a closed ID panel) or disabled.
    Control* commands[] = {Label3,  Label1,     Image9,      Label5,     bookmarks, Image22,
                           Label35, image_head, image_chest, image_legs, Label4,    Label7,
                           Label8,  Image18,    Image19,     Image20,    Image8,    Image13};
    for (Control* command : commands) command->set_command(true);
    QWidget* order[] = {Command4,    Command3,   Label3,         Label1, Image9,  Label5,
                        bookmarks,   Image22,    bokmarken_list, Check1, Label35, image_head,
                        image_chest, image_legs, Label4,         Label7, Label8,  Image18,
                        Image19,     Image20,    Image8,         Text1,  Slider1, Text5,
                        Text6,       Text7,      Image13};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    for (QWidget* box : {Text2, Text3, Text4}) box->setFocusPolicy(Qt::NoFocus);
    Command3->setFocusPolicy(Qt::NoFocus);
    // Clicked, the splash's check box leaves the keys as they were, as the commands do.
    Check1->setFocusPolicy(Qt::TabFocus);
    new FocusMark(*this);
    Command4->setFocus();
}

void Vrendis2001::bind_controls() {
#define VRENDIS2001_BIND(type, name) name = built<type>(*this, #name);
    VRENDIS2001_CONTROLS(VRENDIS2001_BIND)
#undef VRENDIS2001_BIND
}
