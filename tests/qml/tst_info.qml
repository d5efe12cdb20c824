import QtQuick
import QtTest
import Flexio

// Which addresses make links is tested beside the model; here, that the screen draws what it offers.
TestCase {
    id: testCase
    name: "Credits"
    width: 390
    height: 844
    visible: true
    when: windowShown

    Component {
        id: infoComponent
        InfoPage {}
    }

    function links(page) {
        const found = []
        const visit = item => {
            for (let i = 0; i < item.children.length; ++i) {
                const child = item.children[i]
                if (child.objectName === "creditLink")
                    found.push(child.modelData.label)
                visit(child)
            }
        }
        visit(findChild(page, "creditsColumn"))
        return found
    }

    function test_headingsAndLinks() {
        const page = createTemporaryObject(infoComponent, testCase, {width: 390, height: 800})
        compare(page.screenTitle, "Credits and Attribution")
        const model = page.model
        compare(model.sections.map(section => section.heading).slice(0, 2),
                ["Concept, Design and Programming", "Addition Icons and Imagery"])
        for (const address of [model.makerAddress, model.iconSourceAddress, model.imagerySourceAddress])
            verify(links(page).includes(address), address)
        // An address that does not parse is left out of the drawn links.
        const before = links(page).length
        model.iconSourceAddress = "https://exa mple.com"
        compare(links(page).length, before - 1)
        verify(links(page).includes(model.imagerySourceAddress))
    }
}
