#include "framework/dialog.h"

#include <algorithm>
#include <cstring>

#include "framework/window_text.h"

namespace {
// Dialog initialisation data (resource type 240) names list messages by their old numbers.
constexpr WORD InitDataAddString = 0x0403;
constexpr WORD InitDataAddListString = 0x0401;
const LPCSTR DialogInitResource = MAKEINTRESOURCEA(240);

// Messages whose result a dialog procedure returns directly rather than through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}
} // namespace

// ---- DataExchange ----

HWND DataExchange::Item(int id) const {
    return dialog_.Item(id);
}

void DataExchange::Check(int id, int32_t& field) {
    if (saving_) {
        field = static_cast<int32_t>(SendMessageA(Item(id), BM_GETCHECK, 0, 0));
        return;
    }
    if (field < 0 || field > 2)
        field = 0;
    SendMessageA(Item(id), BM_SETCHECK, static_cast<WPARAM>(field), 0);
}

void DataExchange::ComboIndex(int id, int32_t& field) {
    if (saving_)
        field = static_cast<int32_t>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0));
    else
        SendMessageA(Item(id), CB_SETCURSEL, static_cast<WPARAM>(field), 0);
}

void DataExchange::Text(int id, std::string& field) {
    if (saving_)
        field = WindowText(Item(id));
    else
        SetWindowTextA(Item(id), field.c_str());
}

void DataExchange::Reading(int id, UINT query, int32_t& field) {
    if (saving_)
        field = static_cast<int32_t>(SendMessageA(Item(id), query, 0, 0));
}

void DataExchange::Attach(int id, Control& control) {
    if (control.IsAttached())
        return;
    control.Attach(Item(id));
    dialog_.RegisterControl(control);
}

// ---- Dialog ----

Dialog::Dialog(AppContext& context, UINT templateId, HWND parent)
    : context_(context), templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() = default;

INT_PTR Dialog::DoModal() {
    return DialogBoxParamA(context_.Instance(), MAKEINTRESOURCEA(templateId_), parent_, &Dialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void Dialog::UpdateData(bool save) {
    DataExchange exchange(*this, save);
    DoDataExchange(exchange);
}

void Dialog::EndDialog(INT_PTR result) {
    ::EndDialog(window_, result);
}

void Dialog::FocusControl(HWND control) {
    SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

BOOL Dialog::OnInitDialog() {
    SendInitialisationData();
    UpdateData(false);
    return TRUE;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool Dialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    return RouteCommand(wParam, lParam);
}

const MessageMap* Dialog::GetMessageMap() const {
    static const MessageMap map{nullptr, nullptr, 0};
    return &map;
}

bool Dialog::RouteCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    HWND sender = reinterpret_cast<HWND>(lParam);
    if (sender && std::any_of(controls_.begin(), controls_.end(), [&](Control* control) {
            return control->Handle() == sender && control->OnReflectedCommand(code);
        }))
        return true;
    for (const MessageMap* map = GetMessageMap(); map; map = map->Base)
        for (size_t i = 0; i < map->Count; ++i) {
            const MessageMapEntry& entry = map->Entries[i];
            if (entry.Message == WM_COMMAND && entry.CommandId == id && entry.NotifyCode == code &&
                entry.OnCommand) {
                (this->*entry.OnCommand)();
                return true;
            }
        }
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return true;
    }
    if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

LRESULT Dialog::DefaultControlColor(const Message& message) const {
    return DefWindowProcA(window_, message.Id, message.WParam, message.LParam);
}

std::optional<LRESULT> Dialog::LookUpMessage(const Message& message) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->Base)
        for (size_t i = 0; i < map->Count; ++i) {
            const MessageMapEntry& entry = map->Entries[i];
            if (entry.Message == message.Id && entry.OnMessage)
                return (this->*entry.OnMessage)(message);
        }
    return std::nullopt;
}

void Dialog::RegisterControl(Control& control) {
    if (std::find(controls_.begin(), controls_.end(), &control) == controls_.end())
        controls_.push_back(&control);
}

void Dialog::SendInitialisationData() {
    HINSTANCE instance = context_.Instance();
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(templateId_), DialogInitResource);
    if (!resource)
        return;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, resource)));
    DWORD size = SizeofResource(instance, resource);
    DWORD offset = 0;
    // Records: WORD control id, WORD message, DWORD length, then the text; a zero id ends the list.
    while (data && offset + 8 <= size) {
        WORD id = 0, message = 0;
        DWORD length = 0;
        std::memcpy(&id, data + offset, 2);
        if (id == 0)
            break;
        std::memcpy(&message, data + offset + 2, 2);
        std::memcpy(&length, data + offset + 4, 4);
        offset += 8;
        if (offset + length > size)
            break;
        // The stored text carries its terminating zero.
        const char* stored = reinterpret_cast<const char*>(data + offset);
        std::string text(stored, strnlen(stored, length));
        offset += length;
        UINT windowMessage = message == InitDataAddString       ? CB_ADDSTRING
                             : message == InitDataAddListString ? LB_ADDSTRING
                                                                : message;
        SendDlgItemMessageA(window_, id, windowMessage, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void Dialog::CenterIfUnplaced() {
    LONG style = GetWindowLongA(window_, GWL_STYLE);
    if (style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN))
        return;
    RECT area{};
    HWND owner = GetWindow(window_, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT own{};
    GetWindowRect(window_, &own);
    int width = own.right - own.left, height = own.bottom - own.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    } else {
        dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!dialog)
        return FALSE;
    INT_PTR result = dialog->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        for (Control* control : dialog->controls_)
            control->Attach(nullptr);
        dialog->controls_.clear();
        // A message box shown later must not be owned by a window that is gone: it would not open.
        if (dialog->context_.MainWindow() == window)
            dialog->context_.SetMainWindow(nullptr);
        dialog->window_ = nullptr;
    }
    return result;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CenterIfUnplaced();
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (std::any_of(controls_.begin(), controls_.end(), [&](Control* control) {
                return control->Handle() == item->hwndItem && control->OnReflectedDrawItem(*item);
            }))
            return TRUE;
        break;
    }
    case WM_SETCURSOR:
        if (context_.ShowsWaitCursor()) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            SetWindowLongPtrA(window_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        break;
    default:
        break;
    }
    std::optional<LRESULT> result = LookUpMessage(Message{message, wParam, lParam});
    if (!result)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(*result);
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, *result);
    return TRUE;
}
