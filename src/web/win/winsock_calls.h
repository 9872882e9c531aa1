// The Windows Sockets calls of the web search, taken from ws2_32.dll when
// sockets are first started instead of at the program's start: most runs
// of the editor never search the web, and loading the library cost every
// start some time.
#pragma once
#include <winsock2.h>
#include <windows.h>

struct WinsockCalls {
    int (WSAAPI *WSAStartup)(WORD, LPWSADATA);
    int (WSAAPI *WSACleanup)();
    int (WSAAPI *WSAGetLastError)();
    void (WSAAPI *WSASetLastError)(int);
    HANDLE (WSAAPI *WSAAsyncGetHostByName)(HWND, u_int, const char *, char *, int);
    HANDLE (WSAAPI *WSAAsyncGetHostByAddr)(HWND, u_int, const char *, int, int, char *, int);
    int (WSAAPI *WSACancelAsyncRequest)(HANDLE);
    int (WSAAPI *WSAAsyncSelect)(SOCKET, HWND, u_int, long);
    SOCKET (WSAAPI *socket)(int, int, int);
    int (WSAAPI *connect)(SOCKET, const sockaddr *, int);
    int (WSAAPI *recv)(SOCKET, char *, int, int);
    int (WSAAPI *send)(SOCKET, const char *, int, int);
    int (WSAAPI *closesocket)(SOCKET);
    unsigned long (WSAAPI *inet_addr)(const char *);
    u_short (WSAAPI *htons)(u_short);
};

// The calls; all null until LoadWinsock has succeeded.
extern WinsockCalls ws2;

// Loads ws2_32.dll (once; it stays loaded) and takes every call. False
// when the library or one of the calls is missing.
bool LoadWinsock();
