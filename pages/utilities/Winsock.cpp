#include <winsock2.h>

#include "pages/utilities/Winsock.h"

#include "ui/win/Text.h"

#include <cstring>
#include <utility>

namespace {

constexpr UINT SocketMessage = WM_APP + 1;
constexpr UINT LookupMessage = WM_APP + 2;
constexpr wchar_t WindowClass[] = L"BrvtWinsock";

void StartWinsock()
{
    // Once for the run; the process end cleans up.
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
}

} // namespace

Winsock::~Winsock()
{
    Close();
}

void Winsock::Connect()
{
    Close();
    StartWinsock();
    if (!Hwnd())
        CreateOwnWindow(WindowClass, 0, 0, L"", RECT{}, HWND_MESSAGE);
    received_.clear();

    const std::string host = win::ToAnsi(RemoteHost);
    const unsigned long numeric = ::inet_addr(host.c_str());
    if (numeric != INADDR_NONE) {
        ConnectTo(numeric);
        return;
    }
    hostEntry_.assign(MAXGETHOSTSTRUCT, 0);
    state_ = sckResolvingHost;
    lookup_ = ::WSAAsyncGetHostByName(Hwnd(), LookupMessage, host.c_str(), hostEntry_.data(),
                                      static_cast<int>(hostEntry_.size()));
    if (!lookup_)
        Fail();
}

void Winsock::ConnectTo(std::uint32_t address)
{
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        Fail();
        return;
    }
    socket_ = s;
    state_ = sckConnecting;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = ::htons(RemotePort);
    to.sin_addr.s_addr = address;
    if (::WSAAsyncSelect(s, Hwnd(), SocketMessage, FD_CONNECT | FD_READ | FD_CLOSE) != 0) {
        Fail();
        return;
    }
    if (::connect(s, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0 && ::WSAGetLastError() != WSAEWOULDBLOCK)
        Fail();
}

void Winsock::Close()
{
    static_assert(NoSocket == INVALID_SOCKET);
    if (lookup_) {
        ::WSACancelAsyncRequest(lookup_);
        lookup_ = nullptr;
    }
    if (socket_ != NoSocket) {
        ::closesocket(socket_);
        socket_ = NoSocket;
    }
    state_ = sckClosed;
}

void Winsock::Fail()
{
    Close();
    state_ = sckError;
}

std::string Winsock::GetData()
{
    return std::exchange(received_, {});
}

std::size_t Winsock::ReceiveWaiting()
{
    std::size_t total = 0;
    char buffer[4096];
    for (;;) {
        const int got = ::recv(socket_, buffer, sizeof buffer, 0);
        if (got <= 0)
            return total;
        received_.append(buffer, static_cast<std::size_t>(got));
        total += static_cast<std::size_t>(got);
    }
}

void Winsock::Resolved(HANDLE request, LPARAM result)
{
    if (request != lookup_)
        return;  // a look-up that Close cancelled
    lookup_ = nullptr;
    const auto* entry = reinterpret_cast<const hostent*>(hostEntry_.data());
    if (WSAGETASYNCERROR(result) != 0 || entry->h_addrtype != AF_INET || !entry->h_addr_list[0]) {
        Fail();
        return;
    }
    std::uint32_t address;
    std::memcpy(&address, entry->h_addr_list[0], sizeof address);
    ConnectTo(address);
}

void Winsock::SocketEvent(std::uintptr_t s, LPARAM event)
{
    if (s != socket_)
        return;  // news of a socket that is closed already
    const int error = WSAGETSELECTERROR(event);
    switch (WSAGETSELECTEVENT(event)) {
    case FD_CONNECT:
        if (error != 0) {
            Fail();
            return;
        }
        state_ = sckConnected;
        if (onConnect)
            onConnect();
        break;
    case FD_READ:
        if (const std::size_t bytes = ReceiveWaiting(); bytes > 0 && onDataArrival)
            onDataArrival(bytes);
        break;
    case FD_CLOSE:
        // What arrived just before the close is still to be read.
        if (const std::size_t bytes = ReceiveWaiting(); bytes > 0 && onDataArrival)
            onDataArrival(bytes);
        if (s != socket_)
            return;
        state_ = sckClosing;
        if (onClose)
            onClose();
        break;
    default:
        break;
    }
}

LRESULT Winsock::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case SocketMessage:
        SocketEvent(static_cast<std::uintptr_t>(wParam), lParam);
        return 0;
    case LookupMessage:
        Resolved(reinterpret_cast<HANDLE>(wParam), lParam);
        return 0;
    default:
        return ui::Window::HandleMessage(message, wParam, lParam);
    }
}
