#pragma once

#include <QString>

#include <functional>

namespace rss::fediverse {

// The desktop's store of secrets, asked without waiting. Each call ends with `done`,
// later; `ok` false when no store answered or it refused.
class SecretStore
{
public:
    virtual ~SecretStore() = default;

    virtual void write(const QString &key, const QString &secret, std::function<void(bool ok)> done) = 0;
    virtual void read(const QString &key, std::function<void(bool ok, const QString &secret)> done) = 0;
    virtual void remove(const QString &key, std::function<void(bool ok)> done) = 0;
};

// The desktop's secret store through QtKeychain (the Secret Service, KWallet).
class KeychainSecretStore final : public SecretStore
{
public:
    void write(const QString &key, const QString &secret, std::function<void(bool ok)> done) override;
    void read(const QString &key, std::function<void(bool ok, const QString &secret)> done) override;
    void remove(const QString &key, std::function<void(bool ok)> done) override;
};

} // namespace rss::fediverse
