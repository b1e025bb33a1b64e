#pragma once
// The clock page's TCP client, standing in for the Winsock control: one
// connection at a time to RemoteHost:RemotePort, with its connect, data and
// close reported as events on the user-interface thread. Nothing blocks that
// thread: the host name is looked up and the socket works asynchronously,
// their news arriving as messages to a message-only window.
#include "ui/Window.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Winsock : public ui::Window {
public:
    // The control's states that this client passes through.
    enum StateConstants : int {
        sckClosed = 0,
        sckResolvingHost = 4,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,  // the server closed its side
        sckError = 9,    // the look-up or the connection failed; no event tells
    };

    Winsock() = default;
    ~Winsock() override;

    std::wstring RemoteHost;
    unsigned short RemotePort = 0;

    int State() const noexcept { return state_; }
    // Closes any earlier connection and starts a new one.
    void Connect();
    void Close();
    // The bytes received since the last call, one character per byte.
    std::string GetData();

    std::function<void()> onConnect;
    std::function<void(std::size_t bytes)> onDataArrival;
    std::function<void()> onClose;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ConnectTo(std::uint32_t address);
    void Resolved(HANDLE request, LPARAM result);
    void SocketEvent(std::uintptr_t socket, LPARAM event);
    std::size_t ReceiveWaiting();
    void Fail();

    static constexpr std::uintptr_t NoSocket = ~std::uintptr_t{0};

    int state_ = sckClosed;
    std::uintptr_t socket_ = NoSocket;
    HANDLE lookup_ = nullptr;
    std::vector<char> hostEntry_;
    std::string received_;
};
