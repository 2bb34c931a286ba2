// The window manager's ping: a window whose event loop runs answers it at once.
#pragma once

#include <xcb/xcb.h>

// Sends _NET_WM_PING (atoms WM_PROTOCOLS and _NET_WM_PING) to window and flushes.
void SendWmPing(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t protocols,
                xcb_atom_t ping);
