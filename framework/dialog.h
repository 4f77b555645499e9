// Modal dialogs from resource templates: one static dialog procedure dispatches to the object, whose
// message map names its handlers; data exchange moves values between controls and fields.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/app_context.h"
#include "framework/control.h"

class Dialog;

struct Message {
    UINT Id; // WM_*
    WPARAM WParam;
    LPARAM LParam;
};

// A message handler gives the message's result, or nothing for the default dialog processing.
using MessageHandler = std::optional<LRESULT> (Dialog::*)(const Message&);
using CommandHandler = void (Dialog::*)();

struct MessageMapEntry {
    UINT Message;    // a window message, or WM_COMMAND for a command entry
    UINT CommandId;  // command entries: control or menu id
    UINT NotifyCode; // command entries: notification code (BN_CLICKED is 0)
    MessageHandler OnMessage;
    CommandHandler OnCommand;
};

struct MessageMap {
    const MessageMap* Base;
    const MessageMapEntry* Entries;
    size_t Count;
};

#define MAP_MESSAGE(message, handler)                                                                        \
    { message, 0, 0, static_cast<MessageHandler>(&handler), nullptr }
#define MAP_COMMAND(id, handler)                                                                             \
    { WM_COMMAND, id, BN_CLICKED, nullptr, static_cast<CommandHandler>(&handler) }
// A control's notification other than a button click, carried by WM_COMMAND (such as CBN_SELCHANGE).
#define MAP_COMMAND_CODE(id, code, handler)                                                                  \
    { WM_COMMAND, id, code, nullptr, static_cast<CommandHandler>(&handler) }

// Moves values one way: from controls to fields while saving, from fields to controls otherwise.
class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    // Check box state as 0 or 1; when showing, a field outside 0 to 2 is first set to 0.
    void Check(int id, int32_t& field);
    // Selected index of a drop-down list (-1 when nothing is selected).
    void ComboIndex(int id, int32_t& field);
    // Window text.
    void Text(int id, std::string& field);
    // A value the control holds itself, read with `query` (an up-down's whole UDM_GETPOS reply, a
    // trackbar's TBM_GETPOS) while saving; never written back, so that showing the other fields leaves the
    // control and its buddy's text as the user left them.
    void Reading(int id, UINT query, int32_t& field);
    // Connects a control object to its window the first time the exchange runs.
    void Attach(int id, Control& control);

  private:
    HWND Item(int id) const;
    Dialog& dialog_;
    bool saving_;
};

class Dialog {
  public:
    // The template `templateId` of the program's resources, owned by `parent` (none: a top-level window).
    Dialog(AppContext& context, UINT templateId, HWND parent);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally; gives the value EndDialog was called with (-1 when it could not be created).
    INT_PTR DoModal();

    HWND Handle() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }

    // Runs the data exchange: save = true from controls into fields, false from fields into controls.
    void UpdateData(bool save);
    void EndDialog(INT_PTR result);
    // Moves the keyboard focus to a control the way the dialog manager does.
    void FocusControl(HWND control);
    // What the program's windows share: resources, message boxes, the wait cursor, the shell.
    AppContext& Context() const { return context_; }

  protected:
    // Sends the template's initialisation data (list items) and shows the fields. True: default focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(DataExchange& exchange);
    // The OK and Cancel actions (command ids 1 and 2: buttons, Enter, Esc, the close box).
    virtual void OnOK();
    virtual void OnCancel();
    // Sees every WM_COMMAND before the message map does; the default just routes it.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    // The message-map lookup: each class gives its own map, chained to its base's.
    virtual const MessageMap* GetMessageMap() const;

    // The normal command routing: reflection to the sending control, the message map, then OK and Cancel.
    bool RouteCommand(WPARAM wParam, LPARAM lParam);
    // The default dialog colouring of a control-colour request.
    LRESULT DefaultControlColor(const Message& message) const;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> LookUpMessage(const Message& message);
    void SendInitialisationData();
    void CenterIfUnplaced();

    friend class DataExchange;
    void RegisterControl(Control& control);

    AppContext& context_;
    UINT templateId_;
    HWND parent_;
    HWND window_ = nullptr;
    std::vector<Control*> controls_;
};
