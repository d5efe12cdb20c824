import QtQuick
import Flexio

// Scrolls a flickable so that whatever inside it takes the keyboard focus comes into view.
Item {
    id: follower

    required property Flickable flickable

    function reveal(item: Item) {
        let inside = item;
        while (inside && inside !== follower.flickable.contentItem)
            inside = inside.parent;
        if (!inside)
            return;
        const view = follower.flickable;
        const top = item.mapToItem(view.contentItem, 0, 0).y;
        if (top < view.contentY)
            view.contentY = Math.max(0, top - Theme.spacing);
        else if (top + item.height > view.contentY + view.height)
            view.contentY = Math.max(0, Math.min(view.contentHeight - view.height,
                                                 top + item.height - view.height + Theme.spacing));
    }

    readonly property Item focused: Window.activeFocusItem
    onFocusedChanged: {
        if (focused)
            follower.reveal(focused);
    }
}
