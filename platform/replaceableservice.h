#pragma once

// Holds the one service of a kind that the program uses: the real one, or
// one that a test installed in its place.
template <typename Service, typename Real> class ReplaceableService {
public:
    static Service &instance()
    {
        static Real real;
        return s_installed ? *s_installed : real;
    }
    // nullptr goes back to the real service; the caller keeps ownership.
    static void install(Service *service) { s_installed = service; }

private:
    static inline Service *s_installed = nullptr;
};
