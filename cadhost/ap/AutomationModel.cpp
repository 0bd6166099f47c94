#include "AutomationModel.h"

#include <algorithm>
#include <utility>

namespace cadhost {
namespace {
// Menus are shared between the model and the automation objects that show them, so an object that
// outlives a change of the model still answers from what it was given.
struct PopupNode {
    std::wstring name;
    std::wstring tag;
    std::vector<std::shared_ptr<MenuItemData>> items;
};

struct GroupNode {
    std::wstring name;
    std::vector<std::shared_ptr<PopupNode>> popups;
};

using Groups = std::vector<std::shared_ptr<GroupNode>>;

long gLiveObjects = 0;

HRESULT copyString(const std::wstring& text, BSTR* out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = SysAllocString(text.c_str());
    return S_OK;
}

template <class Value> HRESULT copyValue(const Value& value, Value* out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = value;
    return S_OK;
}

// Reference counting for the objects that the collections hand out; each starts with the reference of
// the caller that receives it and deletes itself on its last release.
template <class Interface> class ComObject : public Interface {
public:
    ComObject() { ++gLiveObjects; }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() { --gLiveObjects; }

    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

private:
    ULONG m_references = 1;
};

template <class Object, class Interface, class... Args> HRESULT handOut(Interface** out, Args&&... args)
{
    if (out == nullptr)
        return E_POINTER;
    *out = new Object(std::forward<Args>(args)...);
    return S_OK;
}

template <class Container> bool validIndex(const Container& container, long index)
{
    return index >= 0 && static_cast<std::size_t>(index) < container.size();
}

class PopupMenuItemObject final : public ComObject<IAcadPopupMenuItem> {
public:
    explicit PopupMenuItemObject(std::shared_ptr<MenuItemData> item) : m_item(std::move(item)) {}
    HRESULT get_Label(BSTR* label) override { return copyString(m_item->label, label); }
    HRESULT get_TagString(BSTR* tag) override { return copyString(m_item->tag, tag); }
    HRESULT get_Macro(BSTR* macro) override { return copyString(m_item->macro, macro); }
    HRESULT get_Type(AcMenuItemType* type) override { return copyValue(m_item->type, type); }

private:
    std::shared_ptr<MenuItemData> m_item;
};

class PopupMenuObject final : public ComObject<IAcadPopupMenu> {
public:
    explicit PopupMenuObject(std::shared_ptr<PopupNode> popup) : m_popup(std::move(popup)) {}
    HRESULT get_Name(BSTR* name) override { return copyString(m_popup->name, name); }
    HRESULT get_TagString(BSTR* tag) override { return copyString(m_popup->tag, tag); }
    HRESULT get_Count(long* count) override { return copyValue(static_cast<long>(m_popup->items.size()), count); }
    HRESULT Item(long index, IAcadPopupMenuItem** item) override
    {
        if (!validIndex(m_popup->items, index))
            return E_INVALIDARG;
        return handOut<PopupMenuItemObject>(item, m_popup->items[static_cast<std::size_t>(index)]);
    }
    HRESULT AddMenuItem(long index, const wchar_t* label, const wchar_t* macro, IAcadPopupMenuItem** item) override
    {
        if (index < 0 || label == nullptr)
            return E_INVALIDARG;
        auto added = std::make_shared<MenuItemData>(
            MenuItemData{label, std::wstring(), macro != nullptr ? macro : L"", acMenuItem});
        auto& items = m_popup->items;
        const auto position = std::min(static_cast<std::size_t>(index), items.size());
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(position), added);
        return item != nullptr ? handOut<PopupMenuItemObject>(item, added) : S_OK;
    }

private:
    std::shared_ptr<PopupNode> m_popup;
};

class PopupMenusObject final : public ComObject<IAcadPopupMenus> {
public:
    explicit PopupMenusObject(std::shared_ptr<GroupNode> group) : m_group(std::move(group)) {}
    HRESULT get_Count(long* count) override { return copyValue(static_cast<long>(m_group->popups.size()), count); }
    HRESULT Item(long index, IAcadPopupMenu** menu) override
    {
        if (!validIndex(m_group->popups, index))
            return E_INVALIDARG;
        return handOut<PopupMenuObject>(menu, m_group->popups[static_cast<std::size_t>(index)]);
    }

private:
    std::shared_ptr<GroupNode> m_group;
};

class MenuGroupObject final : public ComObject<IAcadMenuGroup> {
public:
    explicit MenuGroupObject(std::shared_ptr<GroupNode> group) : m_group(std::move(group)) {}
    HRESULT get_Name(BSTR* name) override { return copyString(m_group->name, name); }
    HRESULT get_Menus(IAcadPopupMenus** menus) override { return handOut<PopupMenusObject>(menus, m_group); }

private:
    std::shared_ptr<GroupNode> m_group;
};

class MenuGroupsObject final : public ComObject<IAcadMenuGroups> {
public:
    explicit MenuGroupsObject(Groups groups) : m_groups(std::move(groups)) {}
    HRESULT get_Count(long* count) override { return copyValue(static_cast<long>(m_groups.size()), count); }
    HRESULT Item(long index, IAcadMenuGroup** group) override
    {
        if (!validIndex(m_groups, index))
            return E_INVALIDARG;
        return handOut<MenuGroupObject>(group, m_groups[static_cast<std::size_t>(index)]);
    }

private:
    Groups m_groups;
};

// The application object lives as long as the host; references only count who holds it.
class ApplicationObject final : public IAcadApplication {
public:
    explicit ApplicationObject(const Groups& groups) : m_groups(groups) {}

    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IAcadApplication)) {
            *object = static_cast<IAcadApplication*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override
    {
        if (m_references > 0)
            --m_references;
        return m_references;
    }
    HRESULT get_MenuGroups(IAcadMenuGroups** groups) override { return handOut<MenuGroupsObject>(groups, m_groups); }
    HRESULT get_Documents(IAcadDocuments** documents) override { return newDocumentsCollection(documents); }

    ULONG references() const { return m_references; }
    void resetReferences() { m_references = 0; }

private:
    const Groups& m_groups;
    ULONG m_references = 0;
};

Groups toNodes(const std::vector<MenuGroupData>& groups)
{
    Groups nodes;
    for (const MenuGroupData& group : groups) {
        auto groupNode = std::make_shared<GroupNode>(GroupNode{group.name, {}});
        for (const PopupMenuData& popup : group.popups) {
            auto popupNode = std::make_shared<PopupNode>(PopupNode{popup.name, popup.tag, {}});
            for (const MenuItemData& item : popup.items)
                popupNode->items.push_back(std::make_shared<MenuItemData>(item));
            groupNode->popups.push_back(std::move(popupNode));
        }
        nodes.push_back(std::move(groupNode));
    }
    return nodes;
}

MenuItemData command(const wchar_t* label, const wchar_t* tag, const wchar_t* macro)
{
    return {label, tag, macro, acMenuItem};
}

MenuItemData separator()
{
    return {L"--", L"", L"", acMenuSeparator};
}
} // namespace

struct AutomationModel::State {
    Groups groups = toNodes(standardMenuGroups());
    ApplicationObject application{groups};
    int unavailableAttempts = 0;
    int requests = 0;
};

AutomationModel::AutomationModel() : m_state(std::make_unique<State>())
{
}

AutomationModel::~AutomationModel() = default;

AutomationModel& AutomationModel::instance()
{
    // Never destroyed: automation objects may be released during process exit.
    static auto* model = new AutomationModel();
    return *model;
}

std::vector<MenuGroupData> AutomationModel::standardMenuGroups(bool separatorsAfterSave)
{
    std::vector<MenuItemData> fileItems = {
        command(L"新建(&N)...", L"ID_New", L"^C^C_new"),       command(L"打开(&O)...", L"ID_Open", L"^C^C_open"),
        command(L"关闭(&C)", L"ID_Close", L"^C^C_close"),      separator(),
        command(L"保存(&S)", L"ID_Save", L"^C^C_qsave"),       command(L"另存为(&A)...", L"ID_Saveas", L"^C^C_saveas"),
        command(L"输出(&E)...", L"ID_Export", L"^C^C_export"),
    };
    if (separatorsAfterSave)
        fileItems.push_back(separator());
    fileItems.push_back(command(L"打印(&P)...", L"ID_Print", L"^C^C_plot"));
    if (separatorsAfterSave)
        fileItems.push_back(separator());
    fileItems.push_back(command(L"退出(&X)", L"ID_Exit", L"^C^C_quit"));

    return {MenuGroupData{
        L"ACAD",
        {
            PopupMenuData{L"文件(&F)", L"ID_MnFile", std::move(fileItems)},
            PopupMenuData{L"编辑(&E)",
                          L"ID_MnEdit",
                          {command(L"放弃(&U)", L"ID_U", L"^C^C_u"), separator(),
                           command(L"复制(&C)", L"ID_Copyclip", L"^C^C_copyclip")}},
            PopupMenuData{L"视图(&V)", L"ID_MnView", {command(L"重画(&R)", L"ID_Redrawall", L"'_redrawall")}},
        },
    }};
}

void AutomationModel::setMenuGroups(const std::vector<MenuGroupData>& groups)
{
    m_state->groups = toNodes(groups);
}

std::vector<MenuGroupData> AutomationModel::menuGroups() const
{
    std::vector<MenuGroupData> groups;
    for (const auto& groupNode : m_state->groups) {
        MenuGroupData group{groupNode->name, {}};
        for (const auto& popupNode : groupNode->popups) {
            PopupMenuData popup{popupNode->name, popupNode->tag, {}};
            for (const auto& item : popupNode->items)
                popup.items.push_back(*item);
            group.popups.push_back(std::move(popup));
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

void AutomationModel::setUnavailableAttempts(int attempts)
{
    m_state->unavailableAttempts = attempts;
}

int AutomationModel::requestCount() const
{
    return m_state->requests;
}

long AutomationModel::outstandingReferences() const
{
    return gLiveObjects + static_cast<long>(m_state->application.references());
}

void AutomationModel::reset()
{
    setMenuGroups(standardMenuGroups());
    m_state->unavailableAttempts = 0;
    m_state->requests = 0;
    m_state->application.resetReferences();
}

IDispatch* AutomationModel::applicationDispatch(bool addRef)
{
    ++m_state->requests;
    if (m_state->unavailableAttempts > 0) {
        --m_state->unavailableAttempts;
        return nullptr;
    }
    if (addRef)
        m_state->application.AddRef();
    return &m_state->application;
}
} // namespace cadhost
