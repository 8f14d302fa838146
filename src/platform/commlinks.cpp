#include "platform/commlinks.h"

#include "platform/folders.h"
#include "platform/modbus.h"

#include <QCoreApplication>
#include <QEvent>

#include <map>

namespace platform {

namespace {

struct LinkTable {
    std::map<std::uint32_t, std::unique_ptr<CommLink>> links;
    std::uint32_t next = 1;
};

LinkTable& table()
{
    static LinkTable t;
    return t;
}

}  // namespace

std::uint32_t AddCommLink(std::unique_ptr<CommLink> link)
{
    LinkTable& t = table();
    // 0 is "no link" and -1 is a failed TCP connect: neither is ever a handle.
    if (t.next == 0 || t.next == 0xFFFFFFFFu)
        t.next = 1;
    const std::uint32_t handle = t.next++;
    t.links[handle] = std::move(link);
    return handle;
}

CommLink* FindCommLink(std::uint32_t handle)
{
    LinkTable& t = table();
    const auto it = t.links.find(handle);
    return it == t.links.end() ? nullptr : it->second.get();
}

int HookRspNotification(std::uint32_t handle, HWND window, unsigned message, int)
{
    CommLink* link = FindCommLink(handle);
    return link ? link->Hook(window, message) : MBUS_INVALID_HANDLE;
}

void CloseConnection(std::uint32_t handle)
{
    LinkTable& t = table();
    const auto it = t.links.find(handle);
    if (it == t.links.end())
        return;
    // Out of the table first: a notice already queued for this handle finds nothing and is dropped.
    std::unique_ptr<CommLink> link = std::move(it->second);
    t.links.erase(it);
    link.reset();
}

QString SerialDevicePath(int comPort)
{
    if (comPort < 1 || comPort > 9)
        return {};
    return ReadSetting(QStringLiteral("Serial/COM%1").arg(comPort), QStringLiteral("/dev/ttyS%1").arg(comPort - 1));
}

void CloseAllConnectionsForTest()
{
    table().links.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace platform
