// Message maps: each window class has a static table of the messages it
// handles, with a pointer to its base class's table. A window looks a message
// up in its own table first, then in its bases' tables.
#pragma once

#include <windows.h>

#include <cstddef>
#include <type_traits>

class CWnd;

// Every entry reaches its member handler through a thunk of this one
// signature: the thunk unpacks the message's parameters for the handler and
// returns the message's result.
using MessageThunk = LRESULT (*)(CWnd& window, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;       // WM_...
    UINT id;            // WM_COMMAND only: the control identifier
    UINT code;          // WM_COMMAND only: the notification code
    MessageThunk thunk;
};

struct MessageMap {
    const MessageMap* base;  // the base class's map, or null
    const MessageMapEntry* entries;
    std::size_t count;
};

// The handler signatures, one maker per kind of entry:
//   MapCommand<&C::OnX>(id)            void OnX()                       BN_CLICKED from id
//   MapPaint<&C::OnPaint>()            void OnPaint()                   WM_PAINT
//   MapSysCommand<&C::OnSysCommand>()  void OnSysCommand(UINT, LPARAM)  WM_SYSCOMMAND
//   MapQueryDragIcon<&C::OnQuery>()    HCURSOR OnQuery()                WM_QUERYDRAGICON
//   MapChar<&C::OnChar>()              void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)  WM_CHAR
namespace message_map_detail {

template <class>
struct MemberOf;
template <class T, class Signature>
struct MemberOf<Signature T::*> {
    using Class = T;
};

template <auto Handler>
using HandlerClass = typename MemberOf<decltype(Handler)>::Class;

template <auto Handler>
LRESULT NoArguments(CWnd& window, WPARAM, LPARAM) {
    using T = HandlerClass<Handler>;
    static_assert(std::is_same_v<decltype(Handler), void (T::*)()>, "handler must be void OnX()");
    (static_cast<T&>(window).*Handler)();
    return 0;
}

template <auto Handler>
LRESULT SysCommand(CWnd& window, WPARAM wParam, LPARAM lParam) {
    using T = HandlerClass<Handler>;
    static_assert(std::is_same_v<decltype(Handler), void (T::*)(UINT, LPARAM)>,
                  "handler must be void OnSysCommand(UINT, LPARAM)");
    (static_cast<T&>(window).*Handler)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <auto Handler>
LRESULT QueryDragIcon(CWnd& window, WPARAM, LPARAM) {
    using T = HandlerClass<Handler>;
    static_assert(std::is_same_v<decltype(Handler), HCURSOR (T::*)()>,
                  "handler must be HCURSOR OnQueryDragIcon()");
    return reinterpret_cast<LRESULT>((static_cast<T&>(window).*Handler)());
}

template <auto Handler>
LRESULT Char(CWnd& window, WPARAM wParam, LPARAM lParam) {
    using T = HandlerClass<Handler>;
    static_assert(std::is_same_v<decltype(Handler), void (T::*)(UINT, UINT, UINT)>,
                  "handler must be void OnChar(UINT, UINT, UINT)");
    const DWORD flags = static_cast<DWORD>(lParam);
    (static_cast<T&>(window).*Handler)(static_cast<UINT>(wParam), LOWORD(flags), HIWORD(flags));
    return 0;
}

}  // namespace message_map_detail

template <auto Handler>
constexpr MessageMapEntry MapCommand(UINT id) {
    return {WM_COMMAND, id, BN_CLICKED, &message_map_detail::NoArguments<Handler>};
}

template <auto Handler>
constexpr MessageMapEntry MapPaint() {
    return {WM_PAINT, 0, 0, &message_map_detail::NoArguments<Handler>};
}

template <auto Handler>
constexpr MessageMapEntry MapSysCommand() {
    return {WM_SYSCOMMAND, 0, 0, &message_map_detail::SysCommand<Handler>};
}

template <auto Handler>
constexpr MessageMapEntry MapQueryDragIcon() {
    return {WM_QUERYDRAGICON, 0, 0, &message_map_detail::QueryDragIcon<Handler>};
}

template <auto Handler>
constexpr MessageMapEntry MapChar() {
    return {WM_CHAR, 0, 0, &message_map_detail::Char<Handler>};
}
