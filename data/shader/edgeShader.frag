#version 120
// The border colour of the sprite, lifted by the material colour (black leaves it as painted).
// The vertex alpha is not used: definition files give the border no alpha.
uniform vec4 mColor;

varying vec3 borderColor;

void main()
{
    gl_FragColor = vec4(min(borderColor + mColor.rgb, vec3(1.0)), mColor.a);
}
