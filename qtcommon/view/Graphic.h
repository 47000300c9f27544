#pragma once
#include <QImage>
#include <array>
#include <QPainter>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace view {

// Where pictures come from: the compiled-in resources by default. Tests point
// this elsewhere (an empty folder gives the placeholders everywhere).
inline const QString DefaultPictureRoot = QStringLiteral(":/bitmaps");

// A picture addressed by its numeric id (file "<id>.png") or, for the
// province tints, by a file stem. It is drawn in the size given here, whatever
// size the file has; a missing or unreadable file draws a clearly marked
// placeholder of that size instead, never a hole. Where a twin drawn at twice
// the size ("<id>@2x.png") exists, it is drawn instead on surfaces of more
// than 1.5 device pixels per layout pixel. Pictures are decoded when first
// drawn, each density only when a surface of that density asks for it: most
// of a start-up would otherwise go to pictures the screen never shows.
class Graphic {
public:
    Graphic(int id, int width, int height);
    virtual ~Graphic() = default;

    // Finds the picture under `root`; false (and the placeholder) when it is missing.
    virtual bool load(const QString& root);
    // A plain copy of width x height at (x, y).
    virtual void draw(QPainter& target, int x, int y) const;

    int id() const { return id_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Whether the picture was found and reads as a picture (decoding it).
    bool isLoaded() const { return !image().isNull(); }
    bool hasSharpTwin() const { return !sharp().isNull(); }
    // Whether each density has been decoded yet.
    bool isDecoded() const { return plain_.decoded; }
    bool isTwinDecoded() const { return sharp_.decoded; }
    const QImage& image() const;

protected:
    void drawPlaceholder(QPainter& target, int x, int y, bool seeThrough) const;
    // The picture fit for the target's scale: the 2x twin above 1.5.
    const QImage& imageFor(const QPainter& target) const;
    const QImage& sharp() const;
    static bool wantsSharp(const QPainter& target);

private:
    // One density of the picture: its file, decoded on first use.
    struct Density {
        QString path;
        mutable QImage image;
        mutable bool decoded = false;
        const QImage& get() const;
    };
    Density plain_, sharp_;
    int id_ = 0;
    QString stem_;
    int width_;
    int height_;
};

// A picture with transparency (the alpha channel of the file). `maskId` keeps
// the id of the mask picture the artwork was designed with.
class Sprite : public Graphic {
public:
    Sprite(int id, int maskId, int width, int height);

    bool load(const QString& root) override;
    // Draws over what is there; `mirror` flips the picture left to right in place.
    virtual void drawTransparent(QPainter& target, int x, int y, bool mirror) const;
    int maskId() const { return maskId_; }

private:
    // Mirrored copies, made on the first mirrored draw at each density.
    const QImage& mirroredFor(const QImage& picture) const;
    int maskId_;
    mutable QImage mirrored_, sharpMirrored_;
};

// The pictures of an animation's frames; where and how long each is shown
// is the choreography's (client/Choreography.h).
class Animation {
public:
    // Frames given one by one as (picture id, mask id).
    Animation(const std::vector<std::pair<int, int>>& frames, int width, int height);
    void load(const QString& root);

    const std::vector<std::unique_ptr<Sprite>>& frames() const { return frames_; }

private:
    std::vector<std::unique_ptr<Sprite>> frames_;
};

// The tint pictures of the 23 inner provinces: for each, three sprites (plain,
// "-yellow", "-blue") of one size drawn at one layout position.
class ProvinceSprites {
public:
    struct Entry {
        std::string province;
        int plainId, yellowId, blueId, maskId;
        int width, height;
        int x, y;  // layout position, before screenOffsetX
        std::array<std::unique_ptr<Sprite>, 3> sprites;  // plain, yellow, blue
    };

    ProvinceSprites();
    void load(const QString& root);

    // The entry of a province, or nullptr for the seven frontier lands.
    const Entry* find(const std::string& province) const;
    // The sprite of map colour 1 ("-yellow"), 2 ("-blue") or 3 (plain).
    const Sprite* spriteFor(const std::string& province, int colour) const;
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

}  // namespace view
