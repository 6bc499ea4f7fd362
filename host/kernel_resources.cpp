// The executable's resources as a table that tests fill in.
#include "stand_in_state.h"

namespace standin {

namespace {

std::string TypeKey(const char* type)
{
    if (IS_INTRESOURCE(type))
        return "#" + std::to_string(reinterpret_cast<uintptr_t>(type));
    return type;
}

std::string LoadedName(const void* handle)
{
    return handle == nullptr ? "null" : "found";
}

} // namespace

void AddResource(const std::string& type, unsigned id, const void* data, size_t size)
{
    TheMachine().resources[{type, id}] = Resource{data, size};
}

void RemoveResource(const std::string& type, unsigned id)
{
    TheMachine().resources.erase({type, id});
}

void AddString(unsigned id, const std::string& text)
{
    TheMachine().strings[id] = text;
}

} // namespace standin

using namespace standin;

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type)
{
    HRSRC found = nullptr;
    if (module == Module() && IS_INTRESOURCE(name)) {
        auto entry =
            TheMachine().resources.find({TypeKey(type), static_cast<unsigned>(reinterpret_cast<uintptr_t>(name))});
        if (entry != TheMachine().resources.end())
            found = reinterpret_cast<HRSRC>(&entry->second);
    }
    Record("FindResourceA(" + std::string(module == Module() ? "module" : "other") + ", " + ResourceName(name) + ", " +
           ResourceName(type) + ") -> " + LoadedName(found));
    return found;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource)
{
    Record("LoadResource(" + std::string(module == Module() ? "module" : "other") + ", " + LoadedName(resource) + ")");
    return resource;
}

DWORD SizeofResource(HMODULE module, HRSRC resource)
{
    DWORD size = resource != nullptr ? static_cast<DWORD>(reinterpret_cast<Resource*>(resource)->size) : 0;
    Record("SizeofResource(" + std::string(module == Module() ? "module" : "other") + ", " + LoadedName(resource) +
           ") -> " + std::to_string(size));
    return size;
}

LPVOID LockResource(HGLOBAL loaded)
{
    Record("LockResource(" + LoadedName(loaded) + ")");
    return loaded != nullptr ? const_cast<void*>(static_cast<Resource*>(loaded)->data) : nullptr;
}
