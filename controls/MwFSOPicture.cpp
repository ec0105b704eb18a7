#include "controls/MwFSOPicture.h"

#include "platform/components/Server.h"
#include "platform/components/Variant.h"

namespace MwFSO {

namespace {

using namespace platform::components;

enum PictureMember : DispId { PictureType = 3, PictureWidth = 4, PictureHeight = 5 };

constexpr std::int32_t PictureTypeIcon = 3;

class Picture final : public LibraryObject<IDispatch> {
public:
    explicit Picture(const QIcon &icon) : icon_(icon) {}

    // A picture answers to its own interface identifier as well as to dispatch.
    HResult QueryInterface(const Guid &iid, void **out) override
    {
        return LibraryObject::QueryInterface(iid == IID_Picture ? IDispatch::IID : iid, out);
    }

    HResult GetIDsOfNames(const QString &name, DispId *id) override
    {
        static const QList<std::pair<QString, DispId>> names = {{QStringLiteral("Type"), PictureType},
                                                               {QStringLiteral("Width"), PictureWidth},
                                                               {QStringLiteral("Height"), PictureHeight}};
        if (!id)
            return E_POINTER;
        for (const auto &[member, value] : names) {
            if (member.compare(name, Qt::CaseInsensitive) == 0) {
                *id = value;
                return S_OK;
            }
        }
        return DISP_E_UNKNOWNNAME;
    }

    HResult Invoke(DispId id, InvokeKind kind, Arguments &args, Variant *result, ExceptionInfo *) override
    {
        if (kind == InvokeKind::PropertyPut)
            return DISP_E_MEMBERNOTFOUND;
        if (!args.isEmpty())
            return DISP_E_BADPARAMCOUNT;
        // Pictures measure themselves in 0.01 mm: 2540 units to the inch of 96 pixels.
        const QSize size = icon_.availableSizes().value(0, QSize(16, 16));
        Variant value;
        switch (id) {
        case PictureType: value = Variant(PictureTypeIcon); break;
        case PictureWidth: value = Variant(static_cast<std::int32_t>(size.width() * 2540 / 96)); break;
        case PictureHeight: value = Variant(static_cast<std::int32_t>(size.height() * 2540 / 96)); break;
        default: return DISP_E_MEMBERNOTFOUND;
        }
        if (result)
            *result = value;
        return S_OK;
    }

private:
    QIcon icon_;
};

} // namespace

IDispatch *NewPicture(const QIcon &icon)
{
    return icon.isNull() ? nullptr : new Picture(icon);
}

} // namespace MwFSO
