#pragma once

// The one asynchronous pattern of the program.
//
// Work that leaves the main thread (the PDF engine, the stamp maker, the code
// reader) returns a QFuture<T>. Code on the main thread that has to wait for
// such work is written as a coroutine that itself returns QFuture<T>:
//
//     QFuture<void> AppModel::load(QUrl url)
//     {
//         const auto answer = co_await m_engine->open(url, {});
//         ...
//     }
//
// Rules:
// - A coroutine starts at once and runs on the main thread up to its first
//   co_await; every co_await resumes it on the main thread.
// - When the coroutine is a member of a QObject (or takes a QObject as its first
//   argument) and that object is destroyed while the coroutine waits, the
//   coroutine is dropped instead of resumed: its locals are destroyed and its own
//   future is cancelled. A coroutine never runs after the object it belongs to.
// - Awaiting a future that gets cancelled (its promise was dropped unfinished)
//   drops the awaiting coroutine the same way. User cancellation is not this: it
//   travels as a CancelToken and ends the work with a Result whose error says so.
// - No nested event loops: nothing here waits by spinning an event loop.

#include <QCoreApplication>
#include <QFuture>
#include <QFutureWatcher>
#include <QPointer>
#include <QPromise>
#include <QString>

#include <atomic>
#include <coroutine>
#include <exception>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

// A cancellation flag shared between the one who may cancel (a Cancel button,
// a closing sheet) and the work that checks it between steps. Copies share the flag.
// A default-made token can never be cancelled.
class CancelToken
{
public:
    static CancelToken make() { return CancelToken(std::make_shared<std::atomic_bool>(false)); }

    CancelToken() = default;

    void cancel() const
    {
        if (m_flag) {
            m_flag->store(true, std::memory_order_relaxed);
        }
    }
    bool isCanceled() const { return m_flag && m_flag->load(std::memory_order_relaxed); }

private:
    explicit CancelToken(std::shared_ptr<std::atomic_bool> flag)
        : m_flag(std::move(flag))
    {}
    std::shared_ptr<std::atomic_bool> m_flag;
};

// A failure with the sentence the user is shown, or a silent cancellation.
struct Error
{
    QString message;
    int code = 0; // subsystem's own code (an enum value) for callers that branch on it
    bool canceled = false;
    int systemError = 0; // errno of the system call whose failure this is, if one's is

    static Error cancellation() { return Error{QString(), 0, true}; }
};

// A value or an Error. Returned by everything that can fail in the engine, the
// file writing, the stamp library and the updater; nothing throws across threads.
template<typename T> class Result
{
public:
    Result(T value)
        : m_value(std::move(value))
    {}
    Result(Error error)
        : m_error(std::move(error))
    {}
    static Result canceled() { return Result(Error::cancellation()); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    bool isCanceled() const { return !ok() && m_error.canceled; }

    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T *operator->() const { return &*m_value; }
    const T &operator*() const { return *m_value; }

    const Error &error() const { return m_error; }

private:
    std::optional<T> m_value;
    Error m_error;
};

template<> class Result<void>
{
public:
    Result() = default;
    Result(Error error)
        : m_failed(true)
        , m_error(std::move(error))
    {}
    static Result canceled() { return Result(Error::cancellation()); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    bool isCanceled() const { return m_failed && m_error.canceled; }
    const Error &error() const { return m_error; }

private:
    bool m_failed = false;
    Error m_error;
};

namespace Async {

// A future that is already finished with `value`.
template<typename T> QFuture<std::decay_t<T>> ready(T &&value)
{
    QPromise<std::decay_t<T>> promise;
    promise.start();
    promise.addResult(std::forward<T>(value));
    promise.finish();
    return promise.future();
}

inline QFuture<void> ready()
{
    QPromise<void> promise;
    promise.start();
    promise.finish();
    return promise.future();
}

// A future that finishes once the event loop has come round again, so that
// whatever the current event still does happens before an awaiting coroutine
// goes on. Never finishes if `context` is destroyed first.
inline QFuture<void> nextTurn(QObject *context)
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    QMetaObject::invokeMethod(
        context, [promise] { promise->finish(); }, Qt::QueuedConnection);
    return promise->future();
}

namespace detail {

// The owner a coroutine belongs to: the QObject it is a member of, or the one
// passed as its first argument. Coroutines without one never get dropped early.
struct Owner
{
    QPointer<QObject> object;
    bool hasOwner = false;

    bool alive() const { return !hasOwner || !object.isNull(); }
};

template<typename Arg> Owner ownerOf(Arg &&arg)
{
    using Plain = std::remove_cvref_t<Arg>;
    if constexpr (std::is_pointer_v<Plain>) {
        using Pointee = std::remove_cv_t<std::remove_pointer_t<Plain>>;
        if constexpr (std::is_base_of_v<QObject, Pointee>) {
            return Owner{QPointer<QObject>(const_cast<Pointee *>(arg)), true};
        }
    } else if constexpr (std::is_base_of_v<QObject, Plain>) {
        return Owner{QPointer<QObject>(const_cast<Plain *>(&arg)), true};
    }
    return Owner{};
}

struct PromiseBase
{
    Owner owner;

    PromiseBase() = default;
    template<typename First, typename... Rest>
    explicit PromiseBase(First &&first, Rest &&...)
        : owner(ownerOf(std::forward<First>(first)))
    {}
};

// The object whose thread runs every resumption: the application, which lives on
// the main thread for the whole run.
inline QObject *resumeContext()
{
    return QCoreApplication::instance();
}

template<typename T> struct Promise : PromiseBase
{
    QPromise<T> promise;

    using PromiseBase::PromiseBase;

    QFuture<T> get_return_object()
    {
        promise.start();
        return promise.future();
    }
    std::suspend_never initial_suspend() noexcept { return {}; }
    std::suspend_never final_suspend() noexcept { return {}; }
    void return_value(T value)
    {
        promise.addResult(std::move(value));
        promise.finish();
    }
    void unhandled_exception()
    {
        promise.setException(std::current_exception());
        promise.finish();
    }
};

template<> struct Promise<void> : PromiseBase
{
    QPromise<void> promise;

    using PromiseBase::PromiseBase;

    QFuture<void> get_return_object()
    {
        promise.start();
        return promise.future();
    }
    std::suspend_never initial_suspend() noexcept { return {}; }
    std::suspend_never final_suspend() noexcept { return {}; }
    void return_void() { promise.finish(); }
    void unhandled_exception()
    {
        promise.setException(std::current_exception());
        promise.finish();
    }
};

template<typename T> struct FutureAwaiter
{
    QFuture<T> future;

    bool await_ready() const { return future.isFinished() && !future.isCanceled(); }

    template<typename P> void await_suspend(std::coroutine_handle<P> handle)
    {
        static_assert(std::is_base_of_v<PromiseBase, P>,
                      "QFuture can only be awaited inside a coroutine that returns QFuture");
        QObject *context = resumeContext();
        Q_ASSERT_X(context, "Async", "awaiting needs a QCoreApplication");
        // Resume through a watcher that lives on the main thread: the future may
        // finish on a worker thread, and the frame must never run there. The
        // watcher delivers its signals as posted events, also for a future that
        // is already finished, so the frame is never resumed inside Qt's own
        // bookkeeping. (Qt 6.4's context-taking continuations, then(context, f),
        // crash when the future finishes while the continuation is attached.)
        auto *watcher = new QFutureWatcher<T>(context);
        // A coroutine whose owner goes away is dropped at once, so its frame
        // never outlives the owner waiting for an answer that will not come.
        auto ownerLink = std::make_shared<QMetaObject::Connection>();
        QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                         [watcher, handle, ownerLink] {
                             QObject::disconnect(*ownerLink);
                             const bool canceled = watcher->isCanceled();
                             watcher->deleteLater();
                             if (canceled || !handle.promise().owner.alive()) {
                                 handle.destroy();
                             } else {
                                 handle.resume();
                             }
                         });
        if (QObject *owner = handle.promise().owner.object.data()) {
            *ownerLink = QObject::connect(owner, &QObject::destroyed, watcher, [watcher, handle] {
                watcher->disconnect();
                watcher->deleteLater();
                handle.destroy();
            });
        }
        watcher->setFuture(future);
    }

    T await_resume()
    {
        if constexpr (!std::is_void_v<T>) {
            return future.result();
        } else {
            future.waitForFinished(); // already finished; rethrows a stored exception
        }
    }
};

} // namespace detail
} // namespace Async

template<typename T> Async::detail::FutureAwaiter<T> operator co_await(QFuture<T> future)
{
    return Async::detail::FutureAwaiter<T>{std::move(future)};
}

// Any function returning QFuture<T> may be a coroutine.
template<typename T, typename... Args> struct std::coroutine_traits<QFuture<T>, Args...>
{
    using promise_type = Async::detail::Promise<T>;
};
