#pragma once

#include <QString>
#include <vector>

// A dialog as the program's resources describe it: controls known by numeric id, placed in
// dialog units. CDialog builds its widgets from one of these.

enum class CtlKind {
    PushButton,
    DefPushButton,    // the dialog's default button (Enter)
    OwnerDrawButton,  // drawn by its own class; the dialog supplies the widget
    Static,           // text; alignment from the style flags
    IconStatic,       // shows icon `nImage`
    BlackRect,        // a black filled rectangle
    FrameStatic,      // an empty frame (a place for a child window)
    Picture,          // a place where a picture is drawn
    GroupBox,
    RadioButton,
    CheckBox,
    Edit,
    ListBox,
};

// Style flags, combined with |.
enum CtlStyle : unsigned {
    kHidden = 1u << 0,
    kDisabled = 1u << 1,
    kGroup = 1u << 2,        // starts a new group of radio buttons
    kAlignRight = 1u << 3,
    kAlignCenter = 1u << 4,
    kTransparent = 1u << 5,
    kSorted = 1u << 6,       // list box keeps its items sorted
    kMultiSelect = 1u << 7,  // list box allows several selected items
    kNotify = 1u << 8,       // list box reports selection changes and double clicks
};

struct ControlTemplate {
    int nId;
    CtlKind kind;
    QString strText;
    int x, y, cx, cy;      // dialog units
    unsigned nStyle = 0;
    int nImage = 0;        // icon resource id (":/icons/<id>.png") of an icon static
};

struct MenuItem {
    QString strText;   // "&New Game\tCtrl+N"; empty for a separator
    int nCommand = 0;  // 0 for a separator
};

struct MenuPopup {
    QString strTitle;
    std::vector<MenuItem> items;
};

struct DialogTemplate {
    int nId;
    QString strCaption;
    int cx, cy;            // dialog units
    int nPointSize;        // the template's font size; sets the dialog-unit scale
    int nMenuId = 0;       // menu resource shown above the client area, 0 for none
    std::vector<MenuPopup> menu;             // that menu's pop-ups
    std::vector<ControlTemplate> controls;  // creation (and tab) order
};
