#include "NativeObject.h"

#include "platform/RuntimeError.h"

#include <limits>
#include <optional>
#include <vector>

namespace zavolin {
namespace {

// The arguments as zv_variant, freed again when the call is over.
class Arguments {
public:
    explicit Arguments(const QList<ComVariant>& values)
        : m_values(size_t(values.size())) {
        for (size_t i = 0; i < m_values.size(); ++i) {
            zv_variant_init(&m_values[i]);
            set(m_values[i], values[qsizetype(i)]);
        }
    }
    ~Arguments() {
        for (zv_variant& v : m_values)
            zv_variant_clear(&v);
    }
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    int32_t count() const { return int32_t(m_values.size()); }
    const zv_variant* data() const { return m_values.data(); }

private:
    static void set(zv_variant& v, const ComVariant& value) {
        int32_t status = ZV_OK;
        if (const auto* i = std::get_if<qint16>(&value))
            zv_set_int16(&v, *i);
        else if (const auto* l = std::get_if<qint32>(&value))
            zv_set_int32(&v, *l);
        else if (const auto* d = std::get_if<double>(&value))
            zv_set_double(&v, *d);
        else if (const auto* b = std::get_if<bool>(&value))
            zv_set_bool(&v, *b);
        else if (const auto* s = std::get_if<QString>(&value)) {
            const QByteArray utf8 = s->toUtf8();
            status = zv_set_string_n(&v, utf8.constData(), size_t(utf8.size()));
        } else if (const auto* p = std::get_if<PictureBytes>(&value))
            status = zv_set_picture(&v, p->bytes.constData(), size_t(p->bytes.size()));
        if (status != ZV_OK)
            raise(ErrNo::InternalError, QStringLiteral("Out of memory for a call's arguments."));
    }

    std::vector<zv_variant> m_values;
};

// A result owned here, freed by the component library that allocated it.
class Result {
public:
    Result() { zv_variant_init(&m_value); }
    ~Result() { zv_variant_clear(&m_value); }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;
    zv_variant* get() { return &m_value; }

    // The value as a ComVariant; nullopt when it is malformed.
    std::optional<ComVariant> read() const {
        switch (m_value.type) {
        case ZV_EMPTY:
            return ComVariant{};
        case ZV_INT16:
            return ComVariant{qint16(m_value.value.i16)};
        case ZV_INT32:
            return ComVariant{qint32(m_value.value.i32)};
        case ZV_DOUBLE:
            return ComVariant{m_value.value.f64};
        case ZV_BOOL:
            return ComVariant{m_value.value.boolean != 0};
        case ZV_STRING:
        case ZV_PICTURE: {
            const auto& bytes = m_value.value.bytes;
            if (!bytes.data && bytes.size)
                return std::nullopt;
            if (bytes.size > size_t(std::numeric_limits<qsizetype>::max()))
                return std::nullopt;
            if (m_value.type == ZV_STRING)
                return ComVariant{QString::fromUtf8(bytes.data, qsizetype(bytes.size))};
            return ComVariant{PictureBytes{QByteArray(bytes.data, qsizetype(bytes.size))}};
        }
        default:
            return std::nullopt;
        }
    }

private:
    zv_variant m_value;
};

} // namespace

NativeObject::NativeObject(QString progId, std::shared_ptr<ComponentLibrary> library,
                           zv_object* object)
    : m_progId(std::move(progId))
    , m_library(std::move(library))
    , m_object(object) {}

NativeObject::~NativeObject() {
    // Released before the library can go.
    if (m_object->vtbl->release)
        m_object->vtbl->release(m_object);
}

ComVariant NativeObject::call(const QString& member, const QList<ComVariant>& arguments) {
    if (!m_object->vtbl->invoke)
        fail(member, ZV_E_NO_MEMBER, {});
    const Arguments args(arguments);
    Result result;
    const int32_t status = m_object->vtbl->invoke(m_object, member.toUtf8().constData(),
                                                  args.count(), args.data(), result.get());
    const std::optional<ComVariant> value = result.read();
    if (status != ZV_OK)
        fail(member, status, value.value_or(ComVariant{}));
    if (!value)
        raise(ErrNo::TypeMismatch,
              QStringLiteral("Type mismatch: %1 of class \"%2\" returned a value of unknown kind.")
                  .arg(member, m_progId));
    return *value;
}

void NativeObject::fail(const QString& member, int32_t status, const ComVariant& said) const {
    if (status == ZV_E_NO_MEMBER)
        raise(ErrNo::MemberNotSupported,
              QStringLiteral("Object doesn't support this property or method: class \"%1\" has "
                             "no member %2.")
                  .arg(m_progId, member));
    const QString* reason = std::get_if<QString>(&said);
    const QString because =
        reason && !reason->isEmpty() ? QStringLiteral(" (%1)").arg(*reason) : QString();
    if (status == ZV_E_ARGUMENTS)
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("Invalid procedure call: %1 of class \"%2\" refuses its "
                             "arguments%3.")
                  .arg(member, m_progId, because));
    raise(ErrNo::InvalidProcedureCall,
          QStringLiteral("Invalid procedure call: %1 of class \"%2\" failed%3.")
              .arg(member, m_progId, because));
}

} // namespace zavolin
