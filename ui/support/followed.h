#pragma once

#include <QObject>
#include <initializer_list>
#include <vector>

namespace trayeko::ui {

// The connections a panel holds to the one object it follows at a time (a window's step mode or
// exercise): following another one drops them all first.
class FollowedConnections final
{
public:
    FollowedConnections() = default;
    FollowedConnections(const FollowedConnections&) = delete;
    FollowedConnections& operator=(const FollowedConnections&) = delete;
    ~FollowedConnections() { clear(); }

    void clear()
    {
        for (const QMetaObject::Connection& c : m_connections)
            QObject::disconnect(c);
        m_connections.clear();
    }
    void follow(std::initializer_list<QMetaObject::Connection> connections)
    {
        clear();
        m_connections.assign(connections);
    }
    void add(QMetaObject::Connection connection) { m_connections.push_back(connection); }

private:
    std::vector<QMetaObject::Connection> m_connections;
};

} // namespace trayeko::ui
