#include "hostsim/CommandBarCatalog.h"

namespace hostsim::catalogue {

namespace {

using C = BuiltInControl;
constexpr long Btn = msoControl::Button, Pop = msoControl::Popup, Combo = msoControl::ComboBox;

BuiltInBar MenuBar(std::vector<BuiltInControl> fileMenu) {
    return {
        L"Menu Bar",
        msoBarPos::Top,
        msoBarType::MenuBar,
        true,
        1,
        {C{id::FileMenu, Pop, L"&File", std::move(fileMenu)},
         C{id::EditMenu,
           Pop,
           L"&Edit",
           {C{id::Cut, Btn, L"Cu&t", {}}, C{id::Copy, Btn, L"&Copy", {}}, C{id::Paste, Btn, L"&Paste", {}}}},
         C{id::ViewMenu, Pop, L"&View", {}}, C{id::ToolsMenu, Pop, L"&Tools", {}},
         C{id::HelpMenu, Pop, L"&Help", {}}}};
}

} // namespace

std::vector<BuiltInBar> OutlookExplorer() {
    return {MenuBar({C{id::Open, Btn, L"&Open", {}}, C{id::Print, Btn, L"&Print...", {}}}),
            {L"Standard",
             msoBarPos::Top,
             msoBarType::Normal,
             true,
             2,
             {C{id::Print, Btn, L"&Print", {}}, C{id::Delete, Btn, L"&Delete", {}},
              C{id::Reply, Btn, L"&Reply", {}}, C{id::ReplyToAll, Btn, L"Reply to A&ll", {}},
              C{id::Forward, Btn, L"For&ward", {}}, C{id::SendReceive, Btn, L"Send/Re&ceive", {}}}},
            {L"Advanced",
             msoBarPos::Top,
             msoBarType::Normal,
             false,
             3,
             {C{id::Undo, Btn, L"&Undo", {}}, C{id::Print, Btn, L"Print Pre&view", {}}}}};
}

std::vector<BuiltInBar> OutlookInspector() {
    return {
        MenuBar({C{id::Save, Btn, L"&Save", {}}, C{id::Print, Btn, L"&Print...", {}}}),
        {L"Standard",
         msoBarPos::Top,
         msoBarType::Normal,
         true,
         2,
         {C{id::Send, Btn, L"&Send", {}}, C{id::Save, Btn, L"&Save", {}}, C{id::Print, Btn, L"&Print", {}},
          C{id::Cut, Btn, L"Cu&t", {}}, C{id::Copy, Btn, L"&Copy", {}}, C{id::Paste, Btn, L"&Paste", {}}}},
        {L"Formatting", msoBarPos::Top, msoBarType::Normal, true, 4, {}}};
}

std::vector<BuiltInBar> Word() {
    return {MenuBar({C{id::NewDocument, Btn, L"&New...", {}}, C{id::Open, Btn, L"&Open...", {}},
                     C{id::Save, Btn, L"&Save", {}}, C{id::Print, Btn, L"&Print...", {}}}),
            {L"Standard",
             msoBarPos::Top,
             msoBarType::Normal,
             true,
             2,
             {C{id::NewDocument, Btn, L"&New Blank Document", {}}, C{id::Open, Btn, L"&Open", {}},
              C{id::Save, Btn, L"&Save", {}}, C{id::Print, Btn, L"&Print", {}},
              C{id::Zoom, Combo, L"&Zoom:", {}}}},
            {L"Formatting", msoBarPos::Top, msoBarType::Normal, true, 4, {}},
            {L"Envelope",
             msoBarPos::Top,
             msoBarType::Normal,
             false,
             5,
             {C{id::SendCopy, Btn, L"Send a &Copy", {}}, C{id::Bcc, Btn, L"&Bcc", {}}}}};
}

} // namespace hostsim::catalogue
