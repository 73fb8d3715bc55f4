#include "tests/support/scopedmount.h"

#include <sys/mount.h>

ScopedMount ScopedMount::tmpfs(const std::string &folder, const std::string &size)
{
    ScopedMount mount(folder);
    std::string options = "size=" + size;
    mount.m_mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
    return mount;
}

ScopedMount ScopedMount::readOnly(const std::string &folder)
{
    // A bind mount onto itself, then remounted read-only: root's writes are
    // refused by the mount, which permission bits would not do.
    ScopedMount mount(folder);
    if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0)
        return mount;
    mount.m_mounted = true;
    if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        umount2(folder.c_str(), MNT_DETACH);
        mount.m_mounted = false;
    }
    return mount;
}

ScopedMount::ScopedMount(ScopedMount &&other) noexcept
    : m_folder(std::move(other.m_folder))
    , m_mounted(other.m_mounted)
{
    other.m_mounted = false;
}

ScopedMount::~ScopedMount()
{
    if (m_mounted)
        umount2(m_folder.c_str(), MNT_DETACH);
}
